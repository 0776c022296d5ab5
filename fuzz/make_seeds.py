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


if __name__ == "__main__":
    documents()
    measurements()
    results(sys.argv[1:])
