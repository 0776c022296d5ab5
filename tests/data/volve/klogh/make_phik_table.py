#!/usr/bin/env python3
"""Writes a core-table file (depth TVDSS, porosity PHIF, permeability KLOGH in mD)
for one Volve well from its LAS file and its depth/porosity/Sw text file.

The text file holds the LAS rows whose PHIF and SW are not NULL, in order, with
the depth converted to TVDSS; the rows are joined by that order and checked
against the porosity of the text file. Only for wells where no row was dropped
for a non-increasing depth (15/9-F-12, 15/9-F-11 A).

usage: make_phik_table.py LAS TEXT OUT
"""
import sys

NULL = -999.25


def las_rows(path):
    curves, rows, in_curves, in_data = [], [], False, False
    with open(path, encoding="latin-1") as f:
        for line in f:
            s = line.strip()
            if not s or s.startswith("#"):
                continue
            if s.startswith("~"):
                in_curves = s[1].upper() == "C"
                in_data = s[1].upper() == "A"
                continue
            if in_curves:
                curves.append(s.split(".", 1)[0].strip())
            elif in_data:
                rows.append(s.split())
    col = {name: i for i, name in enumerate(curves)}
    return [(r[col["PHIF"]], r[col["KLOGH"]], r[col["SW"]]) for r in rows]


def main(las, text, out):
    kept = [r for r in las_rows(las) if float(r[0]) != NULL and float(r[2]) != NULL]
    with open(text) as f:
        tvd_rows = [line.split() for line in f if line.strip()]
    if len(kept) != len(tvd_rows):
        sys.exit(f"{len(kept)} LAS rows against {len(tvd_rows)} text rows")
    with open(out, "w", newline="\n") as f:
        f.write("# Tiefe TVDSS (m)  Porositaet PHIF (-)  Permeabilitaet KLOGH (mD)\n")
        for (phif, klogh, _), (tvd, phi, _) in zip(kept, tvd_rows):
            if abs(float(phif) - float(phi)) > 0.00006:
                sys.exit(f"porosity {phif} against {phi} at {tvd}")
            f.write(f"{tvd} {phi} {klogh}\n")


if __name__ == "__main__":
    main(*sys.argv[1:4])
