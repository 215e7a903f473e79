#pragma once
// The relief options window: the link groups kept by the minimal arcs and the
// kind of relief drawn.
namespace kelmo {

struct ModeleOptionsRelief {
    bool TGV = false, Autoroute = false, Train = false, Route = false, Métro = false;
    bool ModesMinimaux = false, GainVirtuel = false, Dual = false, ReliefThématique = false, Anamorphose = false;
    bool Visible = false;
};

} // namespace kelmo
