#!/usr/bin/python3
"""The DXF export against ezdxf on the same entities.

Runs the band and tube benchmarks of kelmo_bench (99 999 arcs as about
600 000 and 1.2 million 3DFACE entities, written into memory), takes the
faces they wrote, and writes a tenth of them (or the share given) with
ezdxf, through its document API and through its r12writer, each into
memory. The ezdxf times are scaled to the whole drawing per entity; the
script prints the times and how many times faster the export is than the
faster of the two ezdxf ways.

    /usr/bin/python3 bench/bench_ezdxf.py build/bench/kelmo_bench [share]
"""
import io
import json
import os
import subprocess
import sys
import tempfile
import time

import ezdxf
from ezdxf.addons import r12writer


def nos_temps(bench, dossier):
    env = dict(os.environ, KELMO_DXF_ECHANTILLON=dossier, QT_QPA_PLATFORM="offscreen")
    sortie = subprocess.run(
        [bench, "--benchmark_filter=BM_DXF_(Faces3D|Tubes)_Memoire", "--benchmark_format=json"],
        env=env, check=True, capture_output=True, text=True).stdout
    temps = {}
    for b in json.loads(sortie)["benchmarks"]:
        nom = "faces" if "Faces3D" in b["name"] else "tubes"
        unite = {"ms": 1e-3, "us": 1e-6, "ns": 1e-9, "s": 1.0}[b["time_unit"]]
        temps[nom] = (b["cpu_time"] * unite, b["real_time"] * unite, int(b["faces"]))
    return temps


def faces_de(chemin, part):
    """The 3DFACE entities of the file: layer, colour and four corners."""
    with open(chemin, "rb") as f:
        lignes = f.read().decode("cp1252").split("\r\n")
    faces = []
    total = lignes.count("3DFACE")
    voulues = max(1, int(total * part))
    i = 0
    while i < len(lignes) - 1 and len(faces) < voulues:
        if lignes[i] == "0" and lignes[i + 1] == "3DFACE":
            v = lignes[i + 2:i + 2 + 28]
            calque, couleur = v[1], int(float(v[3]))
            nombres = [float(x) for x in v[5:28:2]]
            coins = [tuple(nombres[k:k + 3]) for k in range(0, 12, 3)]
            faces.append((calque, couleur, coins))
            i += 30
        else:
            i += 1
    return faces, total


def par_document(faces):
    debut = time.process_time()
    doc = ezdxf.new("R12")
    msp = doc.modelspace()
    for calque, couleur, coins in faces:
        msp.add_3dface(coins, dxfattribs={"layer": calque, "color": couleur})
    doc.write(io.StringIO())
    return time.process_time() - debut


def par_r12writer(faces):
    debut = time.process_time()
    with r12writer(io.StringIO()) as w:
        for calque, couleur, coins in faces:
            w.add_3dface(coins, layer=calque, color=couleur)
    return time.process_time() - debut


def main():
    bench = sys.argv[1]
    part = float(sys.argv[2]) if len(sys.argv) > 2 else 0.1
    with tempfile.TemporaryDirectory() as dossier:
        temps = nos_temps(bench, dossier)
        print(f"ezdxf {ezdxf.__version__}, part écrite par ezdxf : {part:g} des entités")
        print(f"{'dessin':8} {'faces':>9} {'KELMO (s)':>10} {'document (s)':>13} {'r12writer (s)':>14} {'rapport':>8}")
        for nom in ("faces", "tubes"):
            cpu, _, nombre = temps[nom]
            if nombre == 0:
                print(f"{nom:8} aucune face écrite")
                continue
            echantillon, total = faces_de(os.path.join(dossier, nom + ".dxf"), part)
            echelle = total / len(echantillon)
            doc = par_document(echantillon) * echelle
            r12 = par_r12writer(echantillon) * echelle
            rapport = min(doc, r12) / cpu
            print(f"{nom:8} {nombre:9d} {cpu:10.3f} {doc:13.2f} {r12:14.2f} {rapport:7.1f}x")


if __name__ == "__main__":
    main()
