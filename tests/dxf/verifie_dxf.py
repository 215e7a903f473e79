"""Reads back every DXF drawing the C++ tests kept, with ezdxf.

For each NAME.dxf in the folder, NAME.json (written by the test) says what
the drawing must hold. Both of ezdxf's loaders must read it, its audit must
find no error, the version must be R12 (AC1009), and the entities (types,
layers, colours, points, texts, widths, vertices) and the layer table must be
those of the manifest. Exits 1 on any difference, or when ezdxf is missing,
or when the folder holds no drawing at all.
"""
import json
import math
import pathlib
import sys

try:
    import ezdxf
    from ezdxf import recover
except ImportError as e:  # the check must fail, not pass quietly
    print(f"ezdxf manquant : {e}")
    sys.exit(1)


class Ecart(Exception):
    pass


def proche(attendu, obtenu, rel, abs_, quoi):
    if not math.isclose(float(attendu), float(obtenu), rel_tol=rel, abs_tol=abs_):
        raise Ecart(f"{quoi}: {obtenu!r} au lieu de {attendu!r}")


def points_proches(attendus, obtenus, rel, abs_, quoi):
    if len(attendus) != len(obtenus):
        raise Ecart(f"{quoi}: {len(obtenus)} points au lieu de {len(attendus)}")
    for i, (a, o) in enumerate(zip(attendus, obtenus)):
        for k in range(3):
            proche(a[k], o[k], rel, abs_, f"{quoi} point {i + 1} coordonnée {k}")


def egal(attendu, obtenu, quoi):
    if attendu != obtenu:
        raise Ecart(f"{quoi}: {obtenu!r} au lieu de {attendu!r}")


def compare_entite(i, a, e, rel, abs_):
    quoi = f"entité {i + 1} ({a['type']})"
    egal(a["type"], e.dxftype(), f"entité {i + 1} type")
    egal(a["layer"], e.dxf.layer, f"{quoi} calque")
    if "color" in a:
        egal(a["color"], e.dxf.get("color", 256), f"{quoi} couleur")
    t = a["type"]
    if t == "TEXT":
        points_proches([a["insert"]], [tuple(e.dxf.insert)], rel, abs_, f"{quoi} insertion")
        proche(a["height"], e.dxf.height, rel, abs_, f"{quoi} hauteur")
        egal(a["text"], e.dxf.text, f"{quoi} texte")
        proche(a["rotation"], e.dxf.get("rotation", 0), rel, abs_, f"{quoi} rotation")
        egal(a["style"], e.dxf.get("style", "Standard"), f"{quoi} style")
    elif t == "CIRCLE":
        points_proches([a["center"]], [tuple(e.dxf.center)], rel, abs_, f"{quoi} centre")
        proche(a["radius"], e.dxf.radius, rel, abs_, f"{quoi} rayon")
    elif t == "3DFACE":
        sommets = [tuple(e.dxf.get(f"vtx{k}")) for k in range(4)]
        points_proches(a["vertices"], sommets, rel, abs_, f"{quoi} coins")
    elif t == "POLYLINE":
        proche(a["width"], e.dxf.default_start_width, rel, abs_, f"{quoi} largeur de début")
        proche(a["width"], e.dxf.default_end_width, rel, abs_, f"{quoi} largeur de fin")
        sommets = [tuple(v.dxf.location) for v in e.vertices]
        points_proches(a["vertices"], sommets, rel, abs_, f"{quoi} sommets")
        for k, v in enumerate(e.vertices):
            egal(a["layer"], v.dxf.layer, f"{quoi} calque du sommet {k + 1}")
            egal(a["color"], v.dxf.get("color", 256), f"{quoi} couleur du sommet {k + 1}")
    else:
        raise Ecart(f"{quoi}: type inattendu")


def verifie(chemin_dxf):
    manifeste = json.loads(chemin_dxf.with_suffix(".json").read_text(encoding="utf-8"))
    rel, abs_ = manifeste["rel"], manifeste["abs"]
    doc = ezdxf.readfile(str(chemin_dxf))
    doc_recupere, audit_recuperation = recover.readfile(str(chemin_dxf))
    if audit_recuperation.has_errors:
        raise Ecart(f"chargement de récupération : {[str(x.message) for x in audit_recuperation.errors]}")
    for d, nom in ((doc, "readfile"), (doc_recupere, "recover")):
        egal("AC1009", d.dxfversion, f"version lue par {nom}")
        audit = d.audit()
        if audit.has_errors:
            raise Ecart(f"audit ({nom}) : {[str(x.message) for x in audit.errors]}")
    entites = list(doc.modelspace())
    comptes = {}
    for e in entites:
        comptes[e.dxftype()] = comptes.get(e.dxftype(), 0) + 1
    for t, n in manifeste["counts"].items():
        egal(n, comptes.get(t, 0), f"nombre de {t}")
    attendues = manifeste["entities"]
    if manifeste["prefix"]:
        if len(entites) < len(attendues):
            raise Ecart(f"{len(entites)} entités au lieu d'au moins {len(attendues)}")
        entites = entites[: len(attendues)]
    elif manifeste["counts"] == {} or attendues:
        egal(len(attendues), len(entites), "nombre d'entités")
    for i, (a, e) in enumerate(zip(attendues, entites)):
        compare_entite(i, a, e, rel, abs_)
    recuperees = list(doc_recupere.modelspace())
    egal(len(list(doc.modelspace())), len(recuperees), "entités lues par recover")
    if manifeste["tables"]:
        calques = [(l.dxf.name, l.dxf.color) for l in doc.layers]
        attendus = [(c["name"], c["color"]) for c in manifeste["layers"]]
        declares = [c for c in calques if c[0] in {n for n, _ in attendus}]
        egal(attendus, declares, "table des calques")


def main():
    dossier = pathlib.Path(sys.argv[1])
    fichiers = sorted(dossier.glob("*.dxf"))
    if not fichiers:
        print(f"aucun fichier DXF dans {dossier}")
        return 1
    echecs = 0
    for f in fichiers:
        try:
            verifie(f)
        except Exception as x:  # every failure is reported, then counted
            echecs += 1
            print(f"ÉCHEC {f.name} : {x}")
    print(f"{len(fichiers) - echecs} passed, {echecs} failed")
    return 1 if echecs else 0


if __name__ == "__main__":
    sys.exit(main())
