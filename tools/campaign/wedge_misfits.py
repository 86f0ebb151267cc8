#!/usr/bin/env python3
"""Wedges that do not fit the soil figures, before and after a change to where they stop
a run.

  wedge_misfits.py run SOLVE_FILE PROBLEMDIR OUT.json [-j N] [--timeout S]
  wedge_misfits.py compare BEFORE.json AFTER.json

run: solves every .dat of PROBLEMDIR (generate_problems --all --sloping 0.34 writes
them) with --answer-no, by wedge F and by wedge S where a side takes the wedge method (a
surface of several points, adhesion, a sloping bottom above the last layer), once
otherwise, each worker with a TEMP folder of its own. Records each run's status, boxes,
the digest of its report with the clock time line left out, the design tips, and whether
every printed results table balances (its statics, beyond what the printed digits hide,
miss by less than a part in 1000 of its largest moment, as analysis_refusals.py checks).

compare: the refusals with "INVALID WEDGE GEOMETRY" per wedge choice before and after;
runs solved before whose report or boxes changed; what became of the runs refused with
that box before; and, where both wedge choices design a wall after, the tips that differ
by more than max(3 ft, 35 % of the embedment).
"""
import argparse
import hashlib
import json
import multiprocessing
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from collections import Counter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from analysis_refusals import box_kind, number, parse_boxes, results_tables, statics_miss, values  # noqa: E402

GEOMETRY = "INVALID WEDGE GEOMETRY"
CLOCK = re.compile(r"TIME: \d+:\d\d:\d\d")


def wedge_sides(text):
    """Whether either side takes the wedge method: a ground surface of several points, a
    strength layer with adhesion, or a layer above the last with a sloping bottom."""
    lines = text.splitlines()
    i = 0
    while i < len(lines):
        w = lines[i].split()
        if w and w[0] == "SURFACE" and len(w) > 2 and int(w[2]) > 1:
            return True
        if w and w[0] == "SOIL" and len(w) > 3 and w[2] == "STRENGTHS":
            n = int(w[3])
            for k in range(n):
                f = lines[i + 1 + k].split()
                if len(f) > 5 and (number(f[5]) or 0) > 0:
                    return True
                if k < n - 1 and len(f) > 7 and (number(f[7]) or 0) != 0:
                    return True
            i += n
        i += 1
    return False


def sloping_bottoms(text):
    for line in text.splitlines():
        f = line.split()
        if len(f) == 8 and all(number(t) is not None for t in f) and number(f[7]) != 0:
            return True
    return False


_scratch = None
_solve_file = None
_timeout = 120


def _init(root, solve_file, timeout):
    global _scratch, _solve_file, _timeout
    _scratch = tempfile.mkdtemp(prefix="w%d-" % os.getpid(), dir=root)
    _solve_file = solve_file
    _timeout = timeout


def _solve(job):
    path, wedge = job
    for name in os.listdir(_scratch):
        p = os.path.join(_scratch, name)
        shutil.rmtree(p, ignore_errors=True) if os.path.isdir(p) else os.remove(p)
    rep = os.path.join(_scratch, "run.rep")
    env = dict(os.environ, TEMP=_scratch, QT_QPA_PLATFORM="offscreen")
    t0 = time.monotonic()
    p = subprocess.run(["timeout", str(_timeout), _solve_file, "--answer-no", "--wedge", wedge, path, rep],
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    seconds = time.monotonic() - t0
    report = ""
    if os.path.exists(rep):
        with open(rep, encoding="latin-1") as f:
            report = f.read()
    clockless = CLOCK.sub("TIME:", report)
    with open(path) as f:
        text = f.read()
    analysis = " ANALYSIS" in text.splitlines()[1]
    label = "WALL BOTTOM ELEVATION (FT)" if " ANCHORED" in text.splitlines()[1] else "WALL BOTTOM ELEV. (FT)"
    tables = results_tables(report) if p.returncode == 0 else []
    boxes = parse_boxes(p.stdout.decode("utf-8", errors="replace"))
    return {
        "problem": os.path.basename(path), "wedge": wedge, "status": p.returncode,
        "analysis": analysis, "sloping": sloping_bottoms(text),
        "boxes": [[b["title"], b["text"]] for b in boxes],
        "digest": hashlib.sha256(clockless.encode("latin-1")).hexdigest(),
        "tips": values(report, label) if p.returncode == 0 else [],
        "penetration": values(report, "PENETRATION (FT)") if p.returncode == 0 else [],
        "balanced": all(t and statics_miss(t) < 1e-3 for t in tables) if tables else None,
        "seconds": round(seconds, 3),
    }


def run(args):
    jobs = []
    for name in sorted(os.listdir(args.problems)):
        if not name.endswith(".dat"):
            continue
        path = os.path.join(args.problems, name)
        with open(path) as f:
            text = f.read()
        for wedge in (["F", "S"] if wedge_sides(text) else ["S"]):
            jobs.append((path, wedge))
    root = tempfile.mkdtemp(prefix="wedge_misfits-")
    out = []
    t0 = time.monotonic()
    with multiprocessing.Pool(args.j, _init, (root, os.path.abspath(args.solve_file), args.timeout)) as pool:
        for i, r in enumerate(pool.imap_unordered(_solve, jobs, chunksize=4)):
            out.append(r)
            if (i + 1) % 500 == 0:
                print("%d/%d runs, %.0f s" % (i + 1, len(jobs), time.monotonic() - t0), file=sys.stderr)
    shutil.rmtree(root, ignore_errors=True)
    out.sort(key=lambda r: (r["problem"], r["wedge"]))
    with open(args.out, "w") as f:
        json.dump(out, f)
    print("%d runs in %.0f s" % (len(out), time.monotonic() - t0))


def kind(r):
    s = r["status"]
    if s == 0:
        return "solved"
    if s == 124:
        return "TIMEOUT"
    if s != 1:
        return "STATUS %d" % s
    return box_kind({"title": r["boxes"][-1][0], "text": r["boxes"][-1][1]}) if r["boxes"] else "no box"


def compare(args):
    with open(args.before) as f:
        before = {(r["problem"], r["wedge"]): r for r in json.load(f)}
    with open(args.after) as f:
        after = {(r["problem"], r["wedge"]): r for r in json.load(f)}
    keys = sorted(set(before) & set(after))
    problems = {k[0] for k in keys}
    designs = {k[0] for k in keys if not after[k]["analysis"]}
    sloping = {k[0] for k in keys if after[k]["sloping"]}
    print("%d problems (%d designs, %d analyses; %d with sloping layer bottoms), %d runs"
          % (len(problems), len(designs), len(problems) - len(designs), len(sloping), len(keys)))
    for w in "FS":
        ks = [k for k in keys if k[1] == w]
        print("wedge %s: %d runs (%d designs, %d analyses)" % (
            w, len(ks), sum(not after[k]["analysis"] for k in ks), sum(after[k]["analysis"] for k in ks)))

    print("\n\"%s\" refusals, before -> after" % GEOMETRY)
    for w in "FS":
        for part, pick in (("designs", False), ("analyses", True)):
            ks = [k for k in keys if k[1] == w and before[k]["analysis"] == pick]
            b = sum(kind(before[k]) == GEOMETRY for k in ks)
            a = sum(kind(after[k]) == GEOMETRY for k in ks)
            print("  wedge %s %-9s %4d -> %4d" % (w, part, b, a))

    print("\nruns solved before")
    same = changed = 0
    for k in keys:
        b, a = before[k], after[k]
        if b["status"] != 0:
            continue
        if a["status"] == 0 and a["digest"] == b["digest"] and a["boxes"] == b["boxes"]:
            same += 1
        else:
            changed += 1
            print("  CHANGED %s %s: %s -> %s%s" % (k[0], k[1], kind(b), kind(a),
                                                 "" if a["digest"] != b["digest"] else " (same report)"))
    print("  %d give the same report and boxes, %d do not" % (same, changed))

    print("\nruns refused before with \"%s\", after" % GEOMETRY)
    outcome = Counter()
    for k in keys:
        b, a = before[k], after[k]
        if kind(b) != GEOMETRY:
            continue
        ka = kind(a)
        if ka == "solved":
            ka = "solved, tables balance" if a["balanced"] else "solved, TABLES DO NOT BALANCE"
        elif ka == GEOMETRY:
            ka += " (same text)" if a["boxes"][-1] == b["boxes"][-1] else " (OTHER TEXT)"
        outcome[(k[1], ka)] += 1
    for (w, ka), n in sorted(outcome.items()):
        print("  wedge %s: %-45s %d" % (w, ka, n))
    for k in keys:
        if kind(before[k]) == GEOMETRY and kind(after[k]) not in ("solved", GEOMETRY):
            print("  OTHER OUTCOME %s %s: %s" % (k[0], k[1], kind(after[k])))

    print("\nother changes of outcome")
    moved = Counter()
    for k in keys:
        kb, ka = kind(before[k]), kind(after[k])
        if kb == "solved" or kb == GEOMETRY or kb == ka:
            continue
        moved[(kb, ka)] += 1
        print("  %s %s: %s -> %s" % (k[0], k[1], kb, ka))
    if not moved:
        print("  none")

    print("\ndesigns by both wedge choices after whose tips differ by more than max(3 ft, 35 % of the embedment)")
    n = 0
    for p in sorted(problems):
        f, s = after.get((p, "F")), after.get((p, "S"))
        if not f or not s or f["analysis"] or f["status"] != 0 or s["status"] != 0:
            continue
        n += 1
        for m, (tf, ts) in enumerate(zip(f["tips"], s["tips"])):
            emb = max(f["penetration"][m], s["penetration"][m])
            if abs(tf - ts) > max(3.0, 0.35 * emb):
                print("  %s method %d: F %.2f  S %.2f  (embedment %.2f)%s" % (
                    p, m + 1, tf, ts, emb, "  [refused before: F %s, S %s]" % (
                        kind(before[(p, "F")]), kind(before[(p, "S")]))
                    if kind(before[(p, "F")]) != "solved" or kind(before[(p, "S")]) != "solved" else ""))
    print("  (%d designs solved by both)" % n)

    tb = sum(r["seconds"] for r in before.values())
    ta = sum(r["seconds"] for r in after.values())
    print("\ntime: %.0f s before, %.0f s after" % (tb, ta))


def main():
    ap = argparse.ArgumentParser()
    sub = ap.add_subparsers(dest="cmd", required=True)
    r = sub.add_parser("run")
    r.add_argument("solve_file")
    r.add_argument("problems")
    r.add_argument("out")
    r.add_argument("-j", type=int, default=4)
    r.add_argument("--timeout", type=int, default=120)
    c = sub.add_parser("compare")
    c.add_argument("before")
    c.add_argument("after")
    args = ap.parse_args()
    run(args) if args.cmd == "run" else compare(args)


if __name__ == "__main__":
    main()
