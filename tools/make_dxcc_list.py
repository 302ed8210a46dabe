#!/usr/bin/env python3
"""Builds data/dxcc_list.txt (Loxar's default country file) from cty.csv of the hamradio-files package.

Standard library only. Usage (from the repository root):

    python3 tools/make_dxcc_list.py [--cty /usr/share/hamradio-files/cty.csv]
        [--scp /usr/share/hamradio-files/MASTER.SCP] [--max-records 950] [-o data/dxcc_list.txt]

One record per prefix: index (ADIF DXCC entity number, 3 digits), prefix, name, continent,
ITU zone list (";" between zones), CQ zone, the entity's prefix in cty.csv. Records are ordered
by prefix length, so a walk from the last record finds the longest (most specific) prefix first.

cty.csv lists about 7 700 prefixes; the file holds at most 1001 records. The prefixes are cut
down in two steps:
  1. A prefix whose nearest shorter listed prefix names the same entity adds nothing (lossless).
  2. Then, while there are too many, the record that decides the country of the fewest active
     callsigns (MASTER.SCP, the contest call list shipped in the same package), and among those
     of the fewest cty.csv prefixes, is folded into its nearest shorter record. One prefix of
     every entity is kept as long as possible.
The ITU zone list of a record collects the zones of every cty.csv prefix it stands for.
"""
import argparse
import csv
import re
import sys

RUSSIA = {"European Russia", "Asiatic Russia"}  # the program looks up oblasts for "Russia"


def parse_cty(path):
    """cty.csv -> (listed prefixes {prefix: (entity, itu, cq)}, entities {entity: (name, cont, primary)})."""
    listed, entities, exact = {}, {}, set()
    with open(path, encoding="latin-1", newline="") as f:
        for row in csv.reader(f):
            if len(row) < 10 or row[0].startswith("*"):
                continue  # WAE-only areas: their calls fall to the parent DXCC entity's prefixes
            primary, name, entity, cont, cq, itu = row[0], row[1], int(row[2]), row[3], row[4], row[5]
            entities[entity] = ("Russia" if name in RUSSIA else name, cont, primary)
            for item in row[9].rstrip(";").split():
                if item.startswith("="):
                    exact.add(re.match(r"=([A-Z0-9/]+)", item).group(1))
                    continue
                m = re.match(r"([A-Z0-9]+)(.*)", item)
                if not m or len(m.group(1)) > 7:
                    continue
                rest = m.group(2)
                o_itu = re.search(r"\[(\d+)\]", rest)
                o_cq = re.search(r"\((\d+)\)", rest)
                listed[m.group(1)] = (entity, int(o_itu.group(1)) if o_itu else int(itu),
                                      int(o_cq.group(1)) if o_cq else int(cq))
    return listed, entities, exact


def longest(prefixes, call):
    for n in range(min(len(call), 7), -1, -1):
        if call[:n] in prefixes:
            return call[:n]
    return None


def read_calls(path, listed, exact):
    calls = []
    try:
        with open(path, encoding="latin-1") as f:
            for line in f:
                call = line.strip().upper()
                if not call or call.startswith("#") or "/" in call or call in exact:
                    continue
                p = longest(listed, call)
                if p is not None:
                    calls.append((call, listed[p][0]))
    except OSError:
        print(f"no call list at {path}: records are dropped by prefix length only", file=sys.stderr)
    return calls


def lossless(listed):
    keep = {}
    for p in sorted(listed, key=lambda x: (len(x), x)):
        anc = longest(keep, p[:-1]) if p else None
        if anc is not None and keep[anc] == listed[p][0]:
            continue
        keep[p] = listed[p][0]
    return keep


def cut_down(keep, calls, listed, limit, entities):
    """Folds the least useful records into their ancestors until at most `limit` are left."""
    # One record per entity is kept to the last: its cty.csv prefix when that is a record,
    # otherwise its shortest record.
    first = {}
    for entity, (_, _, primary) in entities.items():
        if keep.get(primary) == entity:
            first[entity] = primary
    for p in sorted(keep, key=lambda x: (len(x), x)):
        first.setdefault(keep[p], p)
    protected = set(first.values())
    # Per record, what it decides: the calls and the cty.csv prefixes whose longest record it is.
    at = {p: ([], []) for p in keep}
    for call, truth in calls:
        p = longest(keep, call)
        if p is not None:
            at[p][0].append(truth)
    for prefix, info in listed.items():
        p = longest(keep, prefix)
        if p is not None:
            at[p][1].append(info[0])

    def parent(p):
        return longest(keep, p[:-1]) if p else None

    def loss(p):
        a = parent(p)
        ent_a = keep[a] if a is not None else None
        return tuple(sum((t == keep[p]) - (t == ent_a) for t in truths) for truths in at[p])

    count = {}
    for entity in keep.values():
        count[entity] = count.get(entity, 0) + 1
    # Among equally useful records the entities with the most records give first, so that the
    # rare entities keep more than one prefix.
    while len(keep) > limit:
        victim = min(keep, key=lambda p: (p in protected, loss(p), -count[keep[p]], -len(p), p))
        count[keep[victim]] -= 1
        a = parent(victim)
        moved = at.pop(victim)
        del keep[victim]
        if a is not None:
            at[a][0].extend(moved[0])
            at[a][1].extend(moved[1])
    return keep


def zone_lists(keep, listed):
    zones = {p: {listed[p][1]} for p in keep}
    for p, (entity, itu, _) in listed.items():
        r = longest(keep, p)
        if r is not None and keep[r] == entity:
            zones[r].add(itu)
    return zones


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--cty", default="/usr/share/hamradio-files/cty.csv")
    ap.add_argument("--scp", default="/usr/share/hamradio-files/MASTER.SCP")
    ap.add_argument("--max-records", type=int, default=950)
    ap.add_argument("-o", "--output", default="data/dxcc_list.txt")
    args = ap.parse_args()
    if not 1 <= args.max_records <= 1001:
        ap.error("--max-records must be 1..1001")

    listed, entities, exact = parse_cty(args.cty)
    calls = read_calls(args.scp, listed, exact)
    keep = cut_down(lossless(listed), calls, listed, args.max_records, entities)
    zones = zone_lists(keep, listed)

    right = sum(1 for call, truth in calls if keep.get(longest(keep, call)) == truth)
    kept = sum(1 for p, info in listed.items() if keep.get(longest(keep, p)) == info[0])
    lines = []
    for p in sorted(keep, key=lambda x: (len(x), x)):
        entity = keep[p]
        name, cont, primary = entities[entity]
        zone_text = ";".join(str(z) for z in sorted(zones[p]))
        if len(zone_text) > 48:
            sys.exit(f"zone list of {p} is longer than 48 characters")
        fields = [f"{entity:03d}", f'"{p}"', f'"{name}"', f'"{cont}"', f'"{zone_text}"',
                  f'"{listed[p][2]}"', f'"{primary}"']
        lines.append(",".join(fields))
    text = "\r\n".join(lines) + "\r\n"
    with open(args.output, "wb") as f:
        f.write(text.encode("cp1250", errors="replace"))
    print(f"{len(lines)} records from {len(listed)} prefixes, {len(entities)} entities; "
          f"{kept} of {len(listed)} prefixes and {right} of {len(calls)} listed calls keep their country",
          file=sys.stderr)


if __name__ == "__main__":
    main()
