#pragma once
// The work values of the timetable windows, kept for the run and reset with
// the model.
#include <cstdint>

namespace kelmo {

struct EtatHoraires {
    int32_t IndiceNoeudTrouve = 0;   // origin of the link timetable shown (the node of the node timetable)
    int32_t IndiceNouveauNoeud = 0;  // destination of the link timetable shown
    double MoyenneHoraires = 0;      // mean travel time of the link timetable shown, minutes
    // The checking settings: 0 until the first check gives them their defaults.
    double MargeSuperieure = 0;
    double MargeInferieure = 0;
    double EcartMaximum = 0;
};

EtatHoraires& Horaires();

} // namespace kelmo
