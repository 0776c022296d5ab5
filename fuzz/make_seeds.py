#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/.

Run from anywhere:  fuzz/make_seeds.py [REPORT.txt ...]
Each REPORT (UTF-8 text from keldo-batch --report) becomes an "aus.txt" seed.
Measurement slices come from examples/ and the Volve well files in
KELDO_DATA_DIR (default /work/shared/data); fuzz/README.md carries the
attribution that goes with them."""
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")
DATA = os.environ.get("KELDO_DATA_DIR", "/work/shared/data")


def put(target, name, data):
    if isinstance(data, str):
        data = data.encode("cp1252")
    os.makedirs(os.path.join(CORPUS, target), exist_ok=True)
    with open(os.path.join(CORPUS, target, name), "wb") as f:
        f.write(data)


# --- document file -----------------------------------------------------------
def length_prefix(n):
    if n < 0xFF:
        return bytes([n])
    if n < 0xFFFE:
        return b"\xff" + struct.pack("<H", n)
    return b"\xff\xff\xff" + struct.pack("<I", n)


def string(text):
    raw = text.encode("cp1252")
    return length_prefix(len(raw)) + raw


def utf16_string(text):
    raw = text.encode("utf-16-le")
    return b"\xff\xfe\xff" + length_prefix(len(raw) // 2) + raw


def count(n):
    return struct.pack("<H", n) if n < 0xFFFF else b"\xff\xff" + struct.pack("<I", n)


def fixed_block(floats=None, fluid=0, angle=0.0):
    floats = floats or [0.0] * 19
    return struct.pack("<19f", *floats) + struct.pack("<i", fluid) + struct.pack("<f", angle)


LINE = "  2500.000      0.20000     0.30000"
WATER = [0.0] * 19
WATER[12] = 1000.0


def documents():
    t = "document_file"
    for name in ("gas-well-F-12.kld", "oil-well-F-11A.kld"):
        with open(os.path.join(ROOT, "examples", name), "rb") as f:
            example = f.read()
        put(t, name, example)
        put(t, "truncated-fixed-block-" + name, example[:40])
        put(t, "truncated-in-line-" + name, example[: len(example) // 2])
        put(t, "trailing-bytes-" + name, example + b"\x00\x01garbage")
    put(t, "one-measurement.kld", string("A") + fixed_block(WATER, 1) + count(1) + string(LINE))
    put(t, "empty-name-empty-list.kld", string("") + fixed_block() + count(0))
    put(t, "empty.kld", b"")
    put(t, "only-name.kld", string("Bohrung"))
    put(t, "name-254.kld", string("x" * 254) + fixed_block() + count(0))
    put(t, "name-255.kld", string("y" * 255) + fixed_block() + count(0))
    put(t, "name-umlauts.kld", string("Bohrung Ölfall Größe € ‰") + fixed_block() + count(0))
    put(t, "name-utf16.kld", utf16_string("Bohrung Ä € \U0001F600") + fixed_block() + count(0))
    put(t, "name-utf16-lone-surrogate.kld", b"\xff\xfe\xff\x02\x00\xd8A\x00" + fixed_block() + count(0))
    put(t, "line-utf16.kld", string("B") + fixed_block() + count(1) + utf16_string(LINE))
    put(t, "name-long-prefix-short-text.kld", b"\xff\x05\x00Hallo" + fixed_block() + count(0))
    put(t, "name-32bit-prefix-huge.kld", b"\xff\xff\xff\xff\xff\xff\xffabc")
    put(t, "count-huge.kld", string("A") + fixed_block() + b"\xff\xff\xff\xff\xff\xff" + string(LINE))
    put(t, "count-65534-few-lines.kld", string("A") + fixed_block() + count(0xFFFE) + string(LINE) * 3)
    put(t, "count-32bit-small.kld", string("A") + fixed_block() + b"\xff\xff\x02\x00\x00\x00" + string(LINE) * 2)
    odd = [float("nan"), float("inf"), float("-inf")] + [0.0] * 16
    put(t, "nan-and-infinity.kld", string("NaN") + fixed_block(odd, -7, float("nan")) + count(1) + string(LINE))
    put(t, "line-zero-bytes.kld", string("A") + fixed_block() + count(2) + string("\x00\x00") + string(""))


# --- measurement file ---------------------------------------------------------
def measurements():
    t = "measurement_import"
    with open(os.path.join(ROOT, "examples", "F-12-measurements.txt"), "rb") as f:
        example = f.read()
    put(t, "F-12-measurements.txt", example)
    head = example.decode("ascii").splitlines()[:12]
    for name in ("15_9-F-11_A.txt", "15_9-F-11_B.txt", "15_9-F-12.txt"):
        path = os.path.join(DATA, name)
        if not os.path.exists(path):
            continue
        with open(path) as f:
            lines = f.read().splitlines()
        put(t, "slice-" + name, "\n".join(lines[:40]) + "\n")
        put(t, "slice-descending-" + name, "\n".join(reversed(lines[-40:])) + "\n")
    put(t, "crlf.txt", "\r\n".join(head) + "\r\n")
    put(t, "utf8-bom.txt", b"\xef\xbb\xbf" + ("\n".join(head) + "\n").encode())
    put(t, "utf16-bom.txt", ("\ufeff" + "\r\n".join(head) + "\r\n").encode("utf-16-le"))
    put(t, "decimal-comma.txt", "\n".join(r.replace(".", ",") for r in head) + "\n")
    put(t, "no-final-line-end.txt", "\n".join(head))
    put(t, "blank-line-at-end.txt", "\n".join(head) + "\n\n")
    put(t, "line-98.txt", head[0] + "\n" + head[1].ljust(98) + "\n" + head[2] + "\n")
    put(t, "line-99.txt", head[0] + "\n" + head[1].ljust(99) + "\n")
    put(t, "line-98-crlf.txt", head[0] + "\r\n" + head[1].ljust(98) + "\r\n" + head[2] + "\r\n")
    put(t, "long-line.txt", head[0] + "\n" + "1" * 3000 + "\n" + head[1] + "\n")
    put(t, "long-line-no-end.txt", head[0] + "\n" + "2850.5 0.2 0.3 " + "x" * 5000)
    put(t, "porosity-zero-first.txt", "1500 0.0 0.5\n1490 0.2 0.5\n")
    put(t, "porosity-one.txt", "1500 0.2 0.5\n1490 1.0 0.5\n")
    put(t, "sw-one-and-zero.txt", "1500 0.2 1.0\n1490 0.2 1\n1480 0.2 0\n")
    put(t, "sw-above-one.txt", "1500 0.2 1.0000001\n")
    put(t, "equal-depths.txt", "1500 0.2 0.5\n1500 0.2 0.5\n")
    put(t, "descending-ten.txt", "".join("%d 0.2 0.4\n" % d for d in range(1500, 1400, -10)))
    put(t, "extra-text.txt", "1200 0.25 0.4 extra\n1190 0.25 0.4\n")
    put(t, "exponents.txt", "1.2e3 2.5E-1 4e-1\n+1.19e+3 .25 .4\n1180. 0.2 0.3e\n")
    put(t, "huge-and-tiny.txt", "1e39 0.2 0.3\n1e-50 0.2 0.3\n")
    put(t, "nan-inf-hex.txt", "nan 0.2 0.3\ninf 0.2 0.3\n0x1p3 0.2 0.3\n")
    put(t, "zero-byte.txt", b"1500 0.2 0.3\n1490 0.2\x00 0.3\n")
    put(t, "negative-depths.txt", "-10 0.2 0.3\n-20.5 0.2 0.3\n-30 0.2 0.3\n")
    put(t, "tabs-and-signs.txt", "\t1500\t+0.2\t0.3\n  1490 0.2 0.3   \n\v1480 0.2 0.3\n")
    put(t, "header-line.txt", "TVD PHI SW\n1500 0.2 0.3\n")
    put(t, "empty.txt", b"")
    put(t, "only-line-end.txt", "\n")


# --- results file ---------------------------------------------------------------
def results(reports):
    t = "results_file"
    for i, path in enumerate(reports):
        with open(path, encoding="utf-8") as f:
            report = f.read().splitlines()
        text = "\n".join(["beispiel.kld"] + report) + "\n"
        put(t, "report-%d.txt" % (i + 1), text)
        put(t, "report-%d-crlf.txt" % (i + 1), text.replace("\n", "\r\n"))
    put(t, "empty.txt", b"")
    put(t, "one-character-lines.txt", "Titel\n\nx\n\r\n \ny\r\n")
    put(t, "no-final-line-end.txt", "Titel\nletzte Zeile")
    put(t, "final-cr-without-lf.txt", "Titel\nletzte Zeile\r")
    put(t, "double-cr.txt", "Titel\nZeile\r\r\nnoch eine\n")
    put(t, "long-line.txt", "Titel\n" + "0123456789" * 30 + "\nkurz\n")
    put(t, "zero-bytes.txt", b"Titel\n\x00\nab\x00cd\n\x00\x00\x00\n")
    put(t, "1200-lines.txt", "".join("Zeile %d\n" % i for i in range(1200)))
    put(t, "umlauts-cp1252.txt", "Öl-Wasser-Kontakt\nGrößte Teufe € ‰ ß\n")


# --- LAS files ------------------------------------------------------------------
LAS_HEADER = ("~VERSION\n VERS. 2.0 : CWLS LOG ASCII STANDARD\n WRAP. NO :\n~WELL\n NULL. -999.25 :\n"
              " WELL. SEED 1 : Bohrung\n EKB .M 25.0 :\n~CURVE\n DEPT.M :\n PHIE.V/V :\n SW.V/V :\n")


def las_files():
    t = "las_reader"
    volve = os.path.join(ROOT, "examples", "volve", "las")
    for name in sorted(os.listdir(volve)):
        if not name.endswith(".LAS"):
            continue
        with open(os.path.join(volve, name), "rb") as f:
            lines = f.read().split(b"\n")
        data = next(i for i, line in enumerate(lines) if line.startswith(b"~A")) + 1
        short = name.replace("_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "")
        put(t, "slice-" + short + ".las", b"\n".join(lines[: data + 30]) + b"\n")
        put(t, "header-" + short + ".las", b"\n".join(lines[:data]) + b"\n")
    own = os.path.join(ROOT, "tests", "data", "las")
    for name in sorted(os.listdir(own)):
        if name.endswith(".las"):
            with open(os.path.join(own, name), "rb") as f:
                put(t, name, f.read())
    rows = "~A\n 1000.0 0.20 0.30\n 1000.5 0.21 0.31\n 1001.0 -999.25 0.5\n"
    put(t, "no-a-section.las", LAS_HEADER)
    put(t, "a-before-c.las", "~V\n VERS. 2.0 :\n~A\n 1 2\n~C\n DEPT.M :\n GR. :\n")
    put(t, "no-curves.las", "~V\n VERS. 2.0 :\n~C\n~A\n 1 2\n")
    put(t, "row-too-short.las", LAS_HEADER + "~A\n 1000.0 0.2 0.3\n 1000.5 0.2\n")
    put(t, "row-too-long.las", LAS_HEADER + "~A\n 1000.0 0.2 0.3 0.4\n")
    put(t, "wrapped-truncated.las", LAS_HEADER.replace("WRAP. NO", "WRAP. YES") + "~A\n 1000\n 0.2 0.3\n 1001\n 0.2\n")
    put(t, "wrapped-overrun.las", LAS_HEADER.replace("WRAP. NO", "WRAP. YES") + "~A\n 1000\n 0.2 0.3 0.4\n")
    put(t, "null-not-a-number.las", LAS_HEADER.replace("-999.25", "none") + rows)
    put(t, "null-9999.las", LAS_HEADER.replace("-999.25", "9999") + "~A\n 1 9999 0.3\n 2 0.2 9999.0\n")
    put(t, "version-3.las", "~VERSION\n VERS. 3.0 :\n WRAP. NO :\n DLM . COMMA :\n")
    put(t, "version-1.2.las", LAS_HEADER.replace("2.0", "1.2").replace("SEED 1 : Bohrung", "WELL : SEED 1") + rows)
    put(t, "long-line.las", LAS_HEADER + "~A\n" + "1.5 " * 3000 + "\n")
    put(t, "binary.las", bytes(range(256)) * 4)
    put(t, "empty.las", b"")
    put(t, "bom-crlf.las", b"\xef\xbb\xbf" + (LAS_HEADER + rows).replace("\n", "\r\n").encode())
    put(t, "cp1252.las", LAS_HEADER.replace("SEED 1", "Süd µ°") + rows)
    put(t, "duplicates.las", "~V\n~C\n DEPT.M :\n GR. :\n GR. :\n . :\n~A\n 1 2 3 4\n")
    put(t, "numbers.las", LAS_HEADER + "~A\n 1e3 +.5 2.\n 1E+3 nan inf\n 0x10 1,5 -0\n 1e-400 1e400 abc\n"
        " +-1 -+1 ++1\n 1234567890123456 0.1234567890123456 -.5e-3\n")
    put(t, "float-tie.las", LAS_HEADER + "~A\n 1 0.5000000298023223876953126 1.0000000596046447753906251\n")
    put(t, "tvd-curves.las", LAS_HEADER.replace("DEPT.M", "TVDSS.FT") + rows)
    put(t, "descending.las", LAS_HEADER + "~A\n 1001 0.2 0.3\n 1001 0.2 0.3\n 1000 0.2 0.3\n 1000.5 0.2 0.3\n")
    put(t, "sections-after-data.las", LAS_HEADER + rows + "~O\n other\n~A\n 5 6\n")


# --- deviation surveys -------------------------------------------------------------
def surveys():
    t = "survey_reader"
    volve = os.path.join(ROOT, "examples", "volve", "trajectories")
    for name in sorted(os.listdir(volve)):
        if name.endswith(".txt"):
            with open(os.path.join(volve, name), "rb") as f:
                lines = f.read().split(b"\n")
            put(t, "slice-" + name, b"\n".join(lines[:40]) + b"\n")
    put(t, "csv.txt", "md,inc,azi,tvd\n0,0,0,0\n500,10,45,\n1000,20,50,980.5\n")
    put(t, "semicolons.txt", "Azimuth;MD;Inclination\n0;0;0\n45;1000;1\n")
    put(t, "feet.txt", "MD INC AZI TVD\nft deg deg ft\n0 0 0 0\n1000 1 45 990\n3000 30 45\n")
    put(t, "one-station.txt", "MD INC AZI\n100 0 0\n")
    put(t, "md-going-back.txt", "MD INC AZI\n100 0 0\n200 1 10\n150 2 10\n")
    put(t, "inclination-181.txt", "MD INC AZI\n100 0 0\n200 181 10\n")
    put(t, "azimuth-nan.txt", "MD INC AZI\n100 0 0\n200 1 nan\n")
    put(t, "huge-values.txt", "MD INC AZI TVD\n-999999 0 1e300 5\n999999 180 -1e300 -5\n")
    put(t, "u-turn.txt", "MD INC AZI\n0 0 0\n100 180 0\n200 0 0\n")
    put(t, "horizontal.txt", "MD INC AZI\n1000 90 0\n1100 90 90\n1200 89.99 180\n")
    put(t, "no-header.txt", "100 0 0\n200 1 10\n")
    put(t, "empty.txt", b"")


# --- tops files ----------------------------------------------------------------------
def formation_tops():
    t = "formation_tops"
    utf8 = lambda text: text.encode("utf-8")
    put(t, "volve.csv", utf8("# Volve\nwell,surface,depth,reference\n15/9-F-11 A,Hugin,3010.5,tvdss\n"
                             "15/9-F-11 A,Sleipner,4021,md\n15/9-F-12,Hugin,2880.25,\n"))
    put(t, "semicolons-decimal-comma.csv", utf8("Well;Surface;Depth\nA;Hugin;3010,5\nA;\"Skagerrak; oben\";3100\n"))
    put(t, "bom-crlf.csv", b"\xef\xbb\xbfwell,surface,depth\r\nA,Hugin,1\r\n")
    put(t, "umlauts.csv", utf8("well,surface,depth\nSüd 1,Grenzfläche Ä,2000\n"))
    put(t, "cp1252.csv", b"well,surface,depth\nS\xfcd,H,1\n")
    put(t, "empty.csv", b"")
    put(t, "only-comments.csv", "# a\n\n   # b\n")
    put(t, "header-only.csv", "well,surface,depth\n")
    put(t, "unknown-column.csv", "well,surface,md\nA,B,1\n")
    put(t, "unnamed-column.csv", "well,,depth\nA,B,1\n")
    put(t, "repeated-column.csv", "well,depth,surface,DEPTH\nA,1,B,2\n")
    put(t, "missing-column.csv", "well,depth\nA,1\n")
    put(t, "too-many-fields.csv", "well,surface,depth\nA,B,1,2\n")
    put(t, "missing-values.csv", "well,surface,depth\n,B,1\nA,,1\nA,B,\n")
    put(t, "not-a-number.csv", "well,surface,depth\nA,B,30x\nA,C,nan\nA,D,inf\n")
    put(t, "huge-depth.csv", "well,surface,depth\nA,B,1e9\nA,C,-1e308\nA,D,1e400\n")
    put(t, "unknown-reference.csv", "well,surface,depth,reference\nA,B,1,kb\n")
    put(t, "repeated-surface.csv", "well,surface,depth\nA,B,1\nC,B,2\nA,B,3\n")
    put(t, "unclosed-quote.csv", "well,surface,depth\nA,\"B,1\n")
    put(t, "quoted-quotes.csv", 'well,surface,depth\n"A ""x""",B,1\n')
    put(t, "many-separators.csv", "well,surface,depth\n" + "," * 3000 + "\n")
    put(t, "long-line.csv", "well,surface,depth\nA,B," + "1" * 70000 + "\n")
    put(t, "zero-bytes.csv", b"well,surface,depth\nA\x00,B,1\n")
# --- core capillary-pressure files ----------------------------------------------------
def pc_files():
    t = "pc_file"
    with open(os.path.join(ROOT, "examples", "core-pc", "core-pc.csv"), "rb") as f:
        example = f.read()
    put(t, "core-pc.csv", example)
    lines = example.split(b"\n")
    rows = [l for l in lines if l and not l.startswith(b"#")]
    head = rows[0]
    # Three plugs of a few points each: small enough to be normalized.
    small = [head] + [r for r in rows[1:] if r.split(b",")[0] in (b"P02", b"P06", b"P11")][::3]
    put(t, "three-plugs.csv", b"\n".join(small) + b"\n")
    put(t, "three-plugs-semicolon.csv", b"\n".join(r.replace(b",", b";").replace(b".", b",") for r in small) + b"\n")
    put(t, "three-plugs-tab-crlf.csv", b"\r\n".join(r.replace(b",", b"\t") for r in small) + b"\r\n")
    put(t, "bom.csv", b"\xef\xbb\xbf" + b"\n".join(small[:8]) + b"\n")
    put(t, "cp1252.csv", "sample;porosity (%);permeability [D];pressure (kPa);sw\nPr\u00f6be 1;20;0,01;100;1\n"
        "Pr\u00f6be 1;20;0,01;1000;0,5\n")
    put(t, "quoted.csv", 'sample,porosity,permeability,pressure (MPa),hg_saturation,closure\n'
        '"A, 1",0.2,10,0.01,0,0.005\n"A, 1",0.2,10,0.1,0.5,0.005\n"B ""x""",0.1,1,1,0.3,\n')
    put(t, "missing-column.csv", "sample,porosity,pressure,sw\nA,0.2,5,1\n")
    put(t, "both-saturations.csv", "sample,porosity,permeability,pressure,sw,hg_saturation\nA,0.2,1,5,1,0\n")
    put(t, "unknown-unit.csv", "sample,porosity,permeability,pressure (atm),sw\nA,0.2,1,5,1\n")
    put(t, "differs.csv", "sample,porosity,permeability,pressure,sw\nA,0.2,1,5,1\nA,0.3,1,6,0.9\n")
    put(t, "unclosed-quote.csv", 'sample,porosity,permeability,pressure,sw\n"A,0.2,1,5,1\n')
    put(t, "huge-values.csv", "sample,porosity,permeability,pressure,sw,closure\nA,1,3e38,3e38,0,3e38\n"
        "A,1,3e38,1e-300,1,3e38\nB,0,-1e30,1,0.5,\n")
    put(t, "nan.csv", "sample,porosity,permeability,pressure,sw\nA,nan,1,5,1\n")
    put(t, "header-only.csv", "# lab\nsample,porosity,permeability,pressure,sw\n\n")
    put(t, "long-line.csv", "sample,porosity,permeability,pressure,sw\n" + "x" * 70000 + "\n")
    put(t, "empty.csv", b"")
# --- pressure files -------------------------------------------------------------
def pressures():
    t = "pressure_reader"
    with open(os.path.join(ROOT, "examples", "pressure", "F-12-pressures.csv"), "rb") as f:
        put(t, "example.csv", f.read())
    gas = "".join(f"{d};{305 + 0.0144 * (d - 2940):.3f};g\n".replace(".", ",") for d in range(2860, 2931, 10))
    water = "".join(f"{d};{305 + 0.105 * (d - 2940):.3f};w\n".replace(".", ",") for d in range(2950, 3011, 10))
    put(t, "decimal-comma.csv", "Depth (m);Pressure (bar);Fluid\n" + gas + water)
    split = "".join(f"{d}\t{305 + 0.0144 * (d - 2940):.3f}\n" for d in range(2860, 2931, 10))
    split += "".join(f"{d}\t{305 + 0.105 * (d - 2940):.3f}\n" for d in range(2950, 3011, 10))
    put(t, "no-fluid-tab.txt", "depth\tpressure (MPa)\n" + split.replace("\t3", "\t0.3"))
    put(t, "psi-use-well.csv", "well,depth,pressure (psi),use\n15/9-F-12,2900,4420,1\n15/9-F-12,2910,4421,0\n"
        "15/9-F-11,2920,4422,1\n\"15/9-F-12\",2930,4423,\n")
    put(t, "oil-and-gas.csv", "depth,pressure,fluid\n2800,300,gas\n2810,300.15,gas\n2820,300.3,gas\n"
        "2850,301,oil\n2860,301.7,oil\n2870,302.4,oil\n2900,304,water\n2910,305,water\n2920,306,water\n")
    put(t, "gas-heavier.csv", "depth,pressure,fluid\n1,1,g\n2,2,g\n3,3,g\n4,3.1,w\n5,3.2,w\n6,3.3,w\n")
    put(t, "one-depth.csv", "depth,pressure,fluid\n1,1,g\n1,2,g\n1,3,g\n4,3.1,w\n5,3.2,w\n6,3.3,w\n")
    put(t, "null-values.csv", "depth;pressure\n2900;-999.25\n")
    put(t, "unclosed-quote.csv", "depth,pressure\n\"2900,300\n")
    put(t, "bom-crlf.csv", b"\xef\xbb\xbfdepth,pressure\r\n2900,300\r\n")
    put(t, "cp1252-fluid.csv", "depth;pressure;fluid\n2900;290;Süßwasser\n")
    put(t, "huge-numbers.csv", "depth,pressure,fluid\n1e300,1e300,g\n-1e300,1e-300,g\n0,1,g\n1,1,w\n2,2,w\n3,1e308,w\n")
    put(t, "empty.csv", b"")


if __name__ == "__main__":
    documents()
    measurements()
    results(sys.argv[1:])
    las_files()
    surveys()
    formation_tops()
    pc_files()
    pressures()
