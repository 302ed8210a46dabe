#!/usr/bin/env python3
"""Builds data/RU_oblast.txt (Loxar's Russian oblast table) from tools/data/ru_oblasts.csv.

Standard library only. Usage (from the repository root):

    python3 tools/make_ru_oblast.py [--csv tools/data/ru_oblasts.csv] [-o data/RU_oblast.txt]

The input has the header key,name,rdxc_code,cq_zone,itu_zone,continent (tools/data/
ru_oblasts.SOURCES.md says where each column comes from). Every row becomes one line of seven
comma-separated fields, cp1250 with CR LF:

    R1A,1A,"St. Petersburg (city)",SP,16,29,EU

1. the prefix "R" + key (3 characters), 2. the key: call-area digit and the first suffix letter,
3. the oblast's name, quoted, at most 24 characters (the program shows 24),
4. the RDXC exchange (2 letters), 5. the CQ zone, 6. the ITU zone (2 digits each),
7. the continent (2 letters).
"""
import argparse
import csv
import re
import sys

NAME_WIDTH = 24  # the program shows the name from the blank before it, 25 columns

# Usual short forms of the names that do not fit.
SHORT_NAMES = {
    "Chukotka Autonomous Okrug": "Chukotka AO",
    "Crimea (Republic of Crimea)": "Crimea",
    "Kabardino-Balkar Republic": "Kabardino-Balkaria",
    "Karachay-Cherkess Republic": "Karachay-Cherkessia",
    "Khanty-Mansi Autonomous Okrug": "Khanty-Mansi AO",
    "Republic of Bashkortostan": "Bashkortostan",
    "Republic of North Ossetia-Alania": "North Ossetia-Alania",
    "Yamalo-Nenets Autonomous Okrug": "Yamalo-Nenets AO",
}


def record(row, line_no):
    key, name, code = row["key"].strip(), row["name"].strip(), row["rdxc_code"].strip()
    cq, itu, cont = row["cq_zone"].strip(), row["itu_zone"].strip(), row["continent"].strip()
    if not re.fullmatch(r"[0-9][A-Z]", key):
        sys.exit(f"line {line_no}: bad key {key!r}")
    if not re.fullmatch(r"[A-Z]{2}", code) or not re.fullmatch(r"[A-Z]{2}", cont):
        sys.exit(f"line {line_no}: bad exchange or continent {code!r} {cont!r}")
    if not re.fullmatch(r"\d{1,2}", cq) or not re.fullmatch(r"\d{1,2}", itu):
        sys.exit(f"line {line_no}: bad zone {cq!r} {itu!r}")
    name = SHORT_NAMES.get(name, name)
    if len(name) > NAME_WIDTH:
        print(f"line {line_no}: name cut to {NAME_WIDTH} characters: {name!r}", file=sys.stderr)
        name = name[:NAME_WIDTH].rstrip()
    if '"' in name:
        sys.exit(f"line {line_no}: quote in name {name!r}")
    return f'R{key},{key},"{name}",{code},{int(cq):02d},{int(itu):02d},{cont}'


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--csv", default="tools/data/ru_oblasts.csv")
    ap.add_argument("-o", "--output", default="data/RU_oblast.txt")
    args = ap.parse_args()

    lines, keys = [], set()
    with open(args.csv, encoding="utf-8", newline="") as f:
        for line_no, row in enumerate(csv.DictReader(f), start=2):
            text = record(row, line_no)
            key = row["key"].strip()
            if key in keys:
                sys.exit(f"line {line_no}: key {key} twice")
            keys.add(key)
            lines.append(text)
    with open(args.output, "wb") as out:
        out.write("".join(l + "\r\n" for l in lines).encode("cp1250"))
    print(f"{args.output}: {len(lines)} oblast keys")


if __name__ == "__main__":
    main()
