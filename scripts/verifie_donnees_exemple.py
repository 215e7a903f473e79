#!/usr/bin/env python3
"""Checks the bundled sample tree data/ column by column.

Usage: verifie_donnees_exemple.py [root]   (root defaults to the repository)
Exits non-zero and lists the faults when a file strays from its layout.
"""

import os
import re
import sys

VITESSES = {3: 220, 31: 120, 6: 110, 61: 90, 63: 65, 62: 50, 4: 120, 41: 75, 7: 70, 71: 60, 72: 50, 74: 35,
            75: 25, 811: 8, 812: 15, 813: 25, 821: 18, 822: 45, 2: 5, 8: 10, 91: 3, 9: 5, 1: 600}
ROUTIERS = {6, 61, 63, 62, 7, 71, 72, 74, 75, 811, 812, 813, 821, 822, 91, 9}
LARGEUR_PX, HAUTEUR_PX = 350 / 25.4 * 96, 250 / 25.4 * 96
ECHELLE, ORIGINE_X, ORIGINE_Y = 3.0, 0.0, 1100.0

fautes = []


def faute(fichier, ligne, texte):
    fautes.append(f"{fichier}:{ligne}: {texte}")


def lignes_de(chemin):
    with open(chemin, "rb") as f:
        brut = f.read()
    if not brut.endswith(b"\r\n"):
        faute(chemin, 0, "la dernière ligne ne finit pas par CR LF")
    morceaux = brut.split(b"\r\n")[:-1]
    for i, m in enumerate(morceaux, 1):
        if b"\r" in m or b"\n" in m:
            faute(chemin, i, "fin de ligne autre que CR LF")
    return [m.decode("cp1252") for m in morceaux]


def champ(fichier, i, l, debut, fin, regle, nom):
    texte = l[debut - 1:fin]
    if not re.fullmatch(regle, texte):
        faute(fichier, i, f"colonnes {debut}-{fin} ({nom}) : {texte!r}")
        return None
    return texte


def blancs(fichier, i, l, colonnes):
    for c in colonnes:
        if len(l) < c or l[c - 1] != " ":
            faute(fichier, i, f"colonne {c} : un blanc attendu")


def verifie_noeuds(chemin):
    noeuds = {}
    for i, l in enumerate(lignes_de(chemin), 1):
        if len(l) != 99:
            faute(chemin, i, f"longueur {len(l)} au lieu de 99")
            continue
        nom = l[:50]
        if nom != nom.rstrip() + " " * (50 - len(nom.rstrip())) or not nom.strip() or nom[0] == " ":
            faute(chemin, i, "nom mal cadré")
        if nom.strip() != nom.strip().upper():
            faute(chemin, i, "nom pas en majuscules")
        blancs(chemin, i, l, (51, 62, 71, 80, 89))
        code = champ(chemin, i, l, 52, 61, r"\d{10}", "code")
        pop = champ(chemin, i, l, 63, 70, r"\d{8}", "population")
        x = champ(chemin, i, l, 72, 79, r"\d{4}\.\d{3}", "X")
        y = champ(chemin, i, l, 81, 88, r"\d{4}\.\d{3}", "Y")
        z = champ(chemin, i, l, 90, 99, r"\d{4}\.\d{5}", "Z")
        if None in (code, pop, x, y, z):
            continue
        code = int(code)
        if code <= 0 or code in noeuds:
            faute(chemin, i, f"code {code} nul ou en double")
        px, py = float(x) / ECHELLE + ORIGINE_X, ORIGINE_Y - float(y) / ECHELLE
        if not (0.05 * LARGEUR_PX < px < 0.95 * LARGEUR_PX and 0.05 * HAUTEUR_PX < py < 0.95 * HAUTEUR_PX):
            faute(chemin, i, f"{nom.strip()} hors de l'image de départ ou dans sa marge ({px:.0f}, {py:.0f})")
        noeuds[code] = dict(nom=nom.strip(), px=px, py=py)
    return noeuds


def verifie_arcs(chemin, noeuds):
    arcs = []
    for i, l in enumerate(lignes_de(chemin), 1):
        if len(l) != 94:
            faute(chemin, i, f"longueur {len(l)} au lieu de 94")
            continue
        blancs(chemin, i, l, (11, 22, 27, 36, 41, 46, 51, 59, 66, 73, 84))
        v = [champ(chemin, i, l, *c) for c in (
            (1, 10, r"\d{10}", "origine"), (12, 21, r"\d{10}", "destination"), (23, 26, r"\d{4}", "mode"),
            (28, 35, r"\d{4}\.\d{3}", "longueur"), (37, 40, r"\d{4}", "durée"), (42, 45, r"\d{4}", "départ"),
            (47, 50, r"\d{4}", "arrivée"), (52, 58, r"0000000", "jours"), (60, 65, r"\d{6}", "débit"),
            (67, 72, r"\d{6}", "capacité"))]
        if None in v:
            continue
        o, d, mode, longueur = int(v[0]), int(v[1]), int(v[2]), float(v[3])
        duree, dep, arr, debit, cap = (int(t) for t in v[4:9 + 1] if t != "0000000")
        if o not in noeuds or d not in noeuds:
            faute(chemin, i, f"extrémité inconnue {o} ou {d}")
            continue
        if l[73:83] != f"{noeuds[o]['nom'][:10]:<10}" or l[84:94] != f"{noeuds[d]['nom'][:10]:<10}":
            faute(chemin, i, "noms des extrémités")
        if mode not in VITESSES:
            faute(chemin, i, f"type de liaison {mode} inconnu")
            continue
        for t, nom in ((duree, "durée"), (dep, "départ"), (arr, "arrivée")):
            if t % 100 >= 60:
                faute(chemin, i, f"{nom} {t:04d} n'est pas une heure hhmm")
        minutes = duree // 100 * 60 + duree % 100
        if minutes <= 0 or longueur <= 0:
            faute(chemin, i, "longueur ou durée nulle")
            continue
        vitesse = longueur / minutes * 60
        if mode == 3 and vitesse > 300:
            faute(chemin, i, f"TGV à {vitesse:.0f} km/h")
        # Durations are whole minutes: a short arc may stray by half a minute.
        if mode != 2 and not (longueur / (1.15 * VITESSES[mode]) * 60 - 0.5 <= minutes
                              <= longueur / (0.85 * VITESSES[mode]) * 60 + 0.5):
            faute(chemin, i, f"vitesse {vitesse:.1f} km/h loin de celle du type {mode}")
        if dep or arr:
            if (arr // 100 * 60 + arr % 100) - (dep // 100 * 60 + dep % 100) != minutes:
                faute(chemin, i, "durée différente de l'arrivée moins le départ")
        if debit > cap:
            faute(chemin, i, "débit au-dessus de la capacité")
        arcs.append(dict(o=o, d=d, mode=mode, horaire=bool(dep or arr)))
    return arcs


def verifie_valeurs_noeuds(chemin, noeuds):
    codes = []
    for i, l in enumerate(lignes_de(chemin), 1):
        m = re.fullmatch(r"(\d+) (\d+\.\d) ([A-ZÀ-Ý][^,\"]*)", l)
        if not m:
            faute(chemin, i, f"ligne {l!r} hors du format code valeur nom")
            continue
        code = int(m.group(1))
        if code not in noeuds or noeuds[code]["nom"] != m.group(3) or float(m.group(2)) <= 0:
            faute(chemin, i, f"code {code}, nom ou valeur")
        codes.append(code)
    if ":" in lignes_de(chemin)[0]:
        faute(chemin, 1, "un deux-points ferait lire le fichier comme horaire")
    return codes


def verifie_valeurs_arcs(chemin, noeuds):
    lignes = lignes_de(chemin)
    for i, l in enumerate(lignes, 1):
        if len(l) != 52 or not re.fullmatch(r" *\d+", l[:10]) or l[10] != " " or not re.fullmatch(r" *\d+", l[11:21]) \
                or l[21:42].strip() or not re.fullmatch(r" *\d+\.\d", l[39:52]):
            faute(chemin, i, f"ligne {l!r} hors des colonnes")
            continue
        o, d, v = int(l[:10]), int(l[11:21]), float(l[39:52])
        if o not in noeuds or d not in noeuds or o == d or v <= 0:
            faute(chemin, i, "paire ou valeur")
    return len(lignes)


def main():
    racine = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    data = os.path.join(racine, "data")
    for dossier in ("noeuds", "arcs", "arcval", "noeudval", "cartes", os.path.join("cartes", "images")):
        if not os.path.isdir(os.path.join(data, dossier)):
            faute(data, 0, f"dossier {dossier} absent")
    noeuds = verifie_noeuds(os.path.join(data, "noeuds", "n157eu.dat"))
    arcs = verifie_arcs(os.path.join(data, "arcs", "a157eu01.dat"), noeuds)
    c1 = verifie_valeurs_noeuds(os.path.join(data, "noeudval", "stm312.dat"), noeuds)
    c2 = verifie_valeurs_noeuds(os.path.join(data, "noeudval", "stm313.dat"), noeuds)
    if sorted(c1) != sorted(c2):
        faute("noeudval", 0, "les deux états n'ont pas les mêmes noeuds")
    paires = verifie_valeurs_arcs(os.path.join(data, "arcval", "3ar1279.dat"), noeuds)

    if "PARIS" not in {n["nom"] for n in noeuds.values()}:
        faute("n157eu.dat", 0, "PARIS manque")
    relies = {a["o"] for a in arcs} | {a["d"] for a in arcs}
    for c, n in noeuds.items():
        if c not in relies:
            faute("a157eu01.dat", 0, f"{n['nom']} n'a aucun arc")
    # A road-like arc without its reverse of the same type is one-way.
    cles = {(a["mode"], a["o"], a["d"]) for a in arcs if not a["horaire"]}
    sens_unique = [k for k in cles if k[0] in ROUTIERS and (k[0], k[2], k[1]) not in cles]
    if not sens_unique:
        faute("a157eu01.dat", 0, "aucun arc routier à sens unique")

    xs = [n["px"] for n in noeuds.values()]
    ys = [n["py"] for n in noeuds.values()]
    print(f"{len(noeuds)} noeuds, {len(arcs)} arcs ({sum(a['horaire'] for a in arcs)} horaires, "
          f"{len(sens_unique)} à sens unique), {len(c1)} valeurs par état, {paires} paires O-D; "
          f"image x {min(xs):.0f}..{max(xs):.0f} / {LARGEUR_PX:.0f}, y {min(ys):.0f}..{max(ys):.0f} / {HAUTEUR_PX:.0f}")
    for f in fautes:
        print(f)
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
