#!/usr/bin/env python3
"""Builds the starter prefix table Liste_DXCC.csv from a country file cty.dat.

    python3 make_table.py cty.dat > Liste_DXCC.csv

cty.dat gives each entity a first line that is not indented:
"Name: CQ: ITU: Cont: Lat: Lon: TZ: PrimaryPrefix:". Every DXCC entity gives
one line "PrimaryPrefix;Name;" (CR LF, Windows-1252) in the order of the
country file; an entity whose primary prefix starts with "*" counts for the
WAE list only and is left out. The indented lines (the calls and prefixes
of each entity) are not read.
"""
import sys
import unicodedata


def windows_1252(text):
    """The text in Windows-1252; a character it lacks loses its accent, and
    one with no such plain form stops the build."""
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError:
        plain = unicodedata.normalize("NFKD", text)
        plain = "".join(c for c in plain if not unicodedata.combining(c))
        return plain.encode("cp1252")


def entities(lines):
    for line in lines:
        if not line.strip() or line[0] in " \t":
            continue
        fields = line.rstrip("\r\n").split(":")
        if len(fields) != 9:
            raise SystemExit("not an entity line: " + line.strip())
        yield fields[0].strip(), fields[7].strip()


def main():
    with open(sys.argv[1], encoding="utf-8", errors="strict") as f:
        lines = f.readlines()
    seen = set()
    out = bytearray()
    for name, prefix in entities(lines):
        if prefix.startswith("*"):
            continue
        if ";" in name or ";" in prefix or not name or not prefix:
            raise SystemExit("unusable entry: %r %r" % (prefix, name))
        if prefix in seen:
            raise SystemExit("prefix twice: " + prefix)
        seen.add(prefix)
        out += windows_1252(prefix) + b";" + windows_1252(name) + b";\r\n"
    sys.stdout.buffer.write(bytes(out))


if __name__ == "__main__":
    main()
