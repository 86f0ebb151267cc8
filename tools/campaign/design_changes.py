#!/usr/bin/env python3
"""Design runs over a folder of problems, before and after a change to cantilever or
anchored design, and short cantilevers scaled in all their lengths.

  design_changes.py run SOLVE_FILE PROBLEMDIR OUT.json [-j N] [--check-only-changed BEFORE.json]
  design_changes.py compare BEFORE.json AFTER.json
  design_changes.py summary RUN.json
  design_changes.py scale SOLVE_FILE RUN.json OUT.json [--after AFTER.json] [-j N] [--limit N]
  design_changes.py scale-report SCALE.json

run: solves every design .dat of PROBLEMDIR by wedge F and S (timeout 60, --answer-no,
TEMP a scratch folder of the worker's own) and records each run's status, boxes, design
tips and penetrations by method, how far each results table misses its statics and where
it ends, and the run's time. --check-only-changed checks from outside every tip whose run
is solved and whose status or tips differ from BEFORE.json: the table obeys statics and
ends at the tip, and designs at the passive factor -/+ 0.03 put their tips on either side
of it (a lower factor never deeper, a higher one never shallower, by 0.2 ft).

compare: refusals by box before and after; runs solved before and refused after; tips
that moved by more than 0.01 ft in runs solved both times; runs solved after that were
refused before, with their statics and checks; boxes that changed.

scale: for every cantilever design of RUN.json refused with "DESIGN BOTTOM OF CANTILEVER
WALL IS ABOVE ELEVATION X" or "NO SOLUTION FOR CANTILEVER WALL DESIGN ... DOWN TO
ELEVATION X", the wall scaled by 4 and by 8 in all its lengths (elevations and distances;
cohesion, adhesion, surcharges and water pressures with them, line loads with the square)
is designed, and its tip per unit of scale set beside X: where the one-foot grid is fine
against the wall, the statics say whether the tip lies below X. The same wall is designed
at passive factors 1.0 to 3.0, so a refusal at one factor can be seen beside a design at a
stronger or weaker one. --after: the tips of AFTER.json beside the scaled ones (within
0.5 ft?). scale-report prints the tables of a scale file again.
"""
import argparse
import contextlib
import json
import multiprocessing
import os
import re
import shutil
import sys
import tempfile
import time
from collections import Counter, defaultdict

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.dont_write_bytecode = True  # no cache folder left beside the tools
import analysis_refusals as ar  # noqa: E402
from analysis_refusals import (control_words, fixed, is_anchored, load, number, parse_boxes,  # noqa: E402
                               results_tables, run_kind, statics_miss, table, title, values)

TIP_MOVE = 0.01      # ft: a tip that moves by more is listed
SCALE_AGREE = 0.5    # ft: tips per unit of scale this close agree
NEIGHBOUR = 0.03     # the passive factor step of the outside check
NEIGHBOUR_SLACK = 0.2
SCALES = (4, 8)
PROFILE_FACTORS = [round(1.0 + 0.1 * i, 1) for i in range(21)]  # 1.0 .. 3.0
ELEV_IN_BOX = re.compile(r"ELEVATION\s+([+-]?\d+\.?\d*)")

ABOVE = "DESIGN BOTTOM OF CANTILEVER WALL IS ABOVE"
NO_SOLUTION = "NO SOLUTION FOR CANTILEVER WALL DESIGN"


# ---------------------------------------------------------------------------------------
# Reading a design's file and report

def tip_label(anchored):
    return "WALL BOTTOM ELEVATION (FT)" if anchored else "WALL BOTTOM ELEV. (FT)"


def design_factors(text):
    """The active and passive factors a design's CONTROL line gives (one factor serves
    both; none is 1.0 and 1.5, as the reader takes it)."""
    w = control_words(text)
    fa = number(w[3]) if len(w) > 3 else None
    fp = number(w[4]) if len(w) > 4 else None
    if fa is None:
        return 1.0, 1.5
    return fa, fp if fp is not None else fa


def with_passive(text, fp):
    """The design file with its passive factor fp and its active factor kept."""
    fa, _ = design_factors(text)
    out = []
    for line in text.split("\n"):
        w = line.split()
        if w and w[0].upper() == "CONTROL":
            line = "CONTROL %s DESIGN %s %s" % (w[1], ar.factor_text(fa), ar.factor_text(fp))
        out.append(line)
    return "\n".join(out)


def dredge(text):
    """The lower of the two ground surfaces at the wall."""
    firsts = []
    for line in text.splitlines():
        w = line.split()
        if len(w) >= 5 and w[0].upper().startswith("SU"):
            e = number(w[4])
            if e is not None:
                firsts.append(e)
    return min(firsts) if firsts else None


def wall_top(text):
    for line in text.splitlines():
        w = line.split()
        if len(w) >= 2 and w[0].upper().startswith("WAL"):
            return number(w[1])
    return None


def grid_floor(text, s=1):
    """The lowest one-foot grid point of the wall scaled by s: the grid runs 200 ft down
    from the top, and no further than 5 retained heights or 50 ft below the dredge line."""
    top, d = wall_top(text), dredge(text)
    if top is None or d is None:
        return None
    top, d = top * s, d * s
    return max(top - 200, min(d - 5 * (top - d), d - 50))


def at_grid_floor(x, text, s=1):
    """A NO SOLUTION box whose elevation is the end of the grid: the tip lies deeper than
    the grid reaches, which says nothing of the statics."""
    floor = grid_floor(text, s)
    return x is not None and floor is not None and x * s <= floor + 1.0 + 1e-6


def box_elevation(box):
    """The X of a box that names an elevation."""
    m = ELEV_IN_BOX.search(box["text"]) if box else None
    return float(m.group(1)) if m else None


def last_box(run):
    return run["boxes"][-1] if run.get("boxes") else None


def read_design(text, wedge, status, out, report, seconds):
    anchored = is_anchored(text)
    boxes = parse_boxes(out)
    tables = results_tables(report) if status == 0 else []
    run = {"anchored": anchored, "status": status, "boxes": boxes, "seconds": round(seconds, 4),
           "tips": values(report, tip_label(anchored)), "penetrations": values(report, "PENETRATION (FT)"),
           "statics_miss": [statics_miss(t) if t else None for t in tables],
           "table_ends": [t[-1][0] if t else None for t in tables]}
    run["kind"] = run_kind(run)
    if status != 0:
        run["box_elevation"] = box_elevation(boxes[-1] if boxes else None)
    return run


# ---------------------------------------------------------------------------------------
# Scaling a wall in all its lengths

def _fmt(v):
    s = "%.6f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def scaled_text(text, s):
    """The input file of the same wall s times as large. Unit weights, angles, slopes,
    coefficients, factors, gradients, E and I stay; lengths and pressures (cohesion,
    adhesion, surcharges, water pressures) go with s, forces per foot of wall (line
    loads) with s squared. Elevations scale about 0."""
    L = lambda x: _fmt(float(x) * s)          # a length or a pressure
    F = lambda x: _fmt(float(x) * s * s)      # a force per foot of wall
    out = []
    lines = text.split("\n")
    i = 0
    anchored = analysis = False
    done = False

    def continuation(count, scalers):
        """The next count data lines, each scaled field by field; comments stay."""
        nonlocal i
        got = 0
        while got < count and i < len(lines):
            line = lines[i]
            i += 1
            w = line.split()
            if not w or w[0].startswith("(") or w[0].startswith("'"):
                out.append(line)
                continue
            out.append(" ".join(scalers[k](t) if k < len(scalers) else t for k, t in enumerate(w)))
            got += 1

    keep = lambda t: t
    while i < len(lines):
        line = lines[i]
        i += 1
        w = line.split()
        if done or not w or w[0].startswith("(") or w[0].startswith("'"):
            out.append(line)
            continue
        head = w[0].upper()
        if head.startswith("CON"):
            anchored = len(w) > 1 and w[1].upper().startswith("A")
            analysis = len(w) > 2 and w[2].upper().startswith("A")
            out.append(line)
        elif head.startswith("WAL"):
            n = 1 + (1 if anchored else 0) + (1 if analysis else 0)
            out.append(" ".join([w[0]] + [L(t) if k < n else t for k, t in enumerate(w[1:])]))
        elif head.startswith("SU"):
            out.append(" ".join(w[:3] + [L(w[3]), L(w[4])] + w[5:]))
            continuation(int(float(w[2])) - 1, [L, L])
        elif head.startswith("SO"):
            out.append(line)
            n = int(float(w[3]))
            if w[2].upper().startswith("S"):
                # Layers above the last: bottom elevation and slope follow adhesion.
                for layer in range(1, n + 1):
                    continuation(1, [keep, keep, keep, L, keep, L] + ([L] if layer < n else []))
            else:
                for layer in range(1, n + 1):
                    continuation(1, [keep, keep, keep, keep] + ([L] if layer < n else []))
        elif head.startswith("WAT"):
            if w[1].upper().startswith("E"):
                out.append(" ".join(w[:3] + [L(t) if k < 3 else t for k, t in enumerate(w[3:])]))
            else:
                n = int(float(w[2]))
                out.append(" ".join(w[:3] + [L(t) for t in w[3:7]] + w[7:]))
                continuation(n - 2, [L, L])
        elif head.startswith("V"):
            kind = w[1].upper()[0]
            if kind == "U":
                out.append(" ".join(w[:2] + [L(t) for t in w[2:]]))
            elif kind == "L":
                out.append(" ".join(w[:4] + [(L if k % 2 == 0 else F)(t) for k, t in enumerate(w[4:])]))
            elif kind == "S":
                out.append(" ".join(w[:4] + [L(t) for t in w[4:7]] + w[7:]))
                continuation(int(float(w[3])) - 1, [L, L, L])
            elif kind == "R":
                out.append(" ".join(w[:3] + [L(t) for t in w[3:6]] + w[6:]))
            elif kind == "T":
                out.append(" ".join(w[:4] + [L(t) for t in w[4:8]] + w[8:]))
                continuation(int(float(w[3])) - 1, [L, L, L, L])
            elif kind == "V":
                out.append(" ".join(w[:4] + [L(t) for t in w[4:8]] + w[8:]))
                continuation(int(float(w[3])) - 2, [L, L])
            else:
                out.append(line)
        elif head.startswith("H"):
            kind = w[1].upper()[0]
            if kind == "L":
                out.append(" ".join(w[:3] + [(L if k % 2 == 0 else F)(t) for k, t in enumerate(w[3:])]))
            else:
                n = int(float(w[2]))
                out.append(" ".join(w[:3] + [L(t) for t in w[3:7]] + w[7:]))
                continuation(n - 2, [L, L])
        else:
            done = head.startswith("F")
            out.append(line)
    return "\n".join(out)


# ---------------------------------------------------------------------------------------
# Solving, in a worker with a scratch folder of its own (the analysis tool's workers)

def solve_text(text, wedge, stem):
    path = os.path.join(ar._scratch, stem + ".dat")
    with open(path, "w") as f:
        f.write(text)
    return ar.solve(path, wedge, ar.SOLVE_TIMEOUT, stem)


def check_tip(text, wedge, run):
    """A solved design's tips from outside: the tables obey statics and end at the tips,
    and designs at the passive factor -/+ 0.03 put theirs on either side."""
    why, unsure = [], []
    tips = run["tips"]
    if not tips:
        return {"passed": False, "why": ["no tip printed"], "unsure": []}
    for k, t in enumerate(tips):
        tag = "method %d, tip %s: " % (k + 1, fixed(t, 2))
        miss = run["statics_miss"][k] if k < len(run["statics_miss"]) else None
        end = run["table_ends"][k] if k < len(run["table_ends"]) else None
        if miss is None:
            why.append(tag + "no table")
            continue
        if not miss < 1e-3:
            why.append(tag + "statics miss %.2e" % miss)
        if not abs(end - t) <= 0.005 + 1e-9:
            why.append(tag + "table ends at %.2f" % end)
    _, fp = design_factors(text)
    for sign in (-1, +1):
        f = round(fp + sign * NEIGHBOUR, 2)
        if f < 0.01:
            continue
        status, out, report, _ = solve_text(with_passive(text, f), wedge, "neighbour")
        d = read_design(text, wedge, status, out, report, 0)
        for k, t in enumerate(tips):
            tag = "method %d, factor %s: " % (k + 1, fixed(f, 2))
            nt = d["tips"][k] if len(d["tips"]) > k else None
            if nt is None:
                if sign < 0 and ABOVE in out.upper():
                    continue  # shallower still, as it should be
                unsure.append(tag + "no tip (%s)" % d["kind"])
            elif sign < 0 and nt < t - NEIGHBOUR_SLACK:
                why.append(tag + "tip %.2f deeper than %.2f" % (nt, t))
            elif sign > 0 and nt > t + NEIGHBOUR_SLACK:
                why.append(tag + "tip %.2f shallower than %.2f" % (nt, t))
    return {"passed": not why, "why": why, "unsure": unsure}


def run_one(task):
    name, path, wedge, check = task
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    status, out, report, seconds = ar.solve(path, wedge)
    run = read_design(text, wedge, status, out, report, seconds)
    run.update({"file": name, "wedge": wedge, "dredge": dredge(text), "factors": design_factors(text)})
    if check and status == 0:
        run["check"] = check_tip(text, wedge, run)
    ar._clear_scratch()
    return run


def changed(run, before):
    b = before.get(ar.key(run))
    return b is None or b["status"] != run["status"] or b["tips"] != run["tips"]


def check_one(task):
    name, path, wedge, _ = task
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    status, out, report, seconds = ar.solve(path, wedge)
    r = {"file": name, "wedge": wedge,
         "check": check_tip(text, wedge, read_design(text, wedge, status, out, report, seconds))}
    ar._clear_scratch()
    return r


def design_files(folder):
    names, skipped = [], []
    for n in sorted(x for x in os.listdir(folder) if x.endswith(".dat")):
        with open(os.path.join(folder, n), encoding="utf-8", errors="replace") as f:
            w = control_words(f.read())
        (names if len(w) >= 3 and w[2].upper().startswith("D") else skipped).append(n)
    if skipped:
        print("skipped %d files that are no design: %s" % (len(skipped), " ".join(skipped[:10])), file=sys.stderr)
    return names


def solve_file_of(path):
    p = os.path.abspath(path)
    if not os.access(p, os.X_OK):
        sys.exit("design_changes: %s is no program" % p)
    return p


@contextlib.contextmanager
def worker_pool(jobs, solve_file, prefix):
    """A pool of workers, each solving in a scratch folder of its own below one that is
    removed afterwards."""
    root = tempfile.mkdtemp(prefix=prefix)
    try:
        with multiprocessing.Pool(jobs, ar._init_worker, (root, {"solve_file": solve_file,
                                                              "design_timeout": ar.SOLVE_TIMEOUT})) as pool:
            yield pool
    finally:
        shutil.rmtree(root, ignore_errors=True)


def cmd_run(a):
    solve_file = solve_file_of(a.solve_file)
    before = load(a.check_only_changed)["runs"] if a.check_only_changed else None
    folder = os.path.abspath(a.problemdir)
    tasks = [(n, os.path.join(folder, n), w) for n in design_files(folder) for w in "FS"]
    t0 = time.monotonic()
    runs = {}
    with worker_pool(a.jobs, solve_file, "design-changes-") as pool:
        for i, r in enumerate(pool.imap_unordered(run_one, [t + (False,) for t in tasks], chunksize=8), 1):
            runs[ar.key(r)] = r
            if i % 1000 == 0 or i == len(tasks):
                print("%d/%d runs, %.0f s" % (i, len(tasks), time.monotonic() - t0), file=sys.stderr)
        if before is not None:
            again = [t + (True,) for t in tasks if runs[ar.key({"file": t[0], "wedge": t[2]})]["status"] == 0
                     and changed(runs[ar.key({"file": t[0], "wedge": t[2]})], before)]
            print("checking %d changed solved runs" % len(again), file=sys.stderr)
            for r in pool.imap_unordered(check_one, again, chunksize=2):
                runs[ar.key(r)]["check"] = r["check"]
    meta = {"solve_file": solve_file, "problemdir": folder, "jobs": a.jobs, "runs": len(runs),
            "wall_seconds": round(time.monotonic() - t0, 1), "check": "changed" if before is not None else "none",
            "date": time.strftime("%Y-%m-%d %H:%M:%S")}
    write_json(a.out, {"meta": meta, "runs": runs})
    print("%d runs in %.1f s -> %s" % (len(runs), meta["wall_seconds"], a.out), file=sys.stderr)
    print_summary(load(a.out))


def write_json(path, data):
    tmp = path + ".part"
    with open(tmp, "w") as f:
        json.dump(data, f, indent=None, separators=(",", ":"))
    os.replace(tmp, path)


# ---------------------------------------------------------------------------------------
# Tables

def status_line(name, d):
    runs = d["runs"].values()
    st = Counter(r["status"] for r in runs)
    print("%s: %d runs of %s (%s)" % (name, len(d["runs"]), d["meta"]["solve_file"],
                                      ", ".join("status %s: %d" % (s, n) for s, n in sorted(st.items()))))
    print("  %.0f s wall at -j %s; run time summed %.0f s" % (d["meta"]["wall_seconds"], d["meta"]["jobs"],
                                                             sum(r["seconds"] for r in runs)))


def wall_type(r):
    return "anchored" if r["anchored"] else "cantilever"


def by_kind(runs):
    c = Counter()
    for r in runs.values():
        if r["status"] != 0:
            c[(r["kind"], wall_type(r))] += 1
    return c


def unbalanced(r):
    return [k + 1 for k, m in enumerate(r.get("statics_miss", [])) if m is None or not m < 1e-3]


def print_unbalanced(name, runs):
    bad = [r for r in runs.values() if r["status"] == 0 and unbalanced(r)]
    title("Solved runs whose tables miss their statics, %s: %d" % (name, len(bad)))
    for r in sorted(bad, key=ar.key)[:30]:
        print("  %-16s tips %s  miss %s" % (ar.key(r), r["tips"], ["%.1e" % m for m in r["statics_miss"] if m]))


def print_summary(d):
    runs = d["runs"]
    status_line("runs", d)
    c = by_kind(runs)
    title("Refused design runs by box")
    rows = [[k[0], k[1], n] for k, n in sorted(c.items(), key=lambda kv: (-kv[1], kv[0]))]
    rows.append(["total", "", sum(c.values())])
    table(["ended by", "wall", "runs"], rows)
    print_unbalanced("runs", runs)
    print_checks("runs", runs)
    title("Slowest 10 runs")
    slow = sorted(runs.values(), key=lambda r: -r["seconds"])[:10]
    table(["run", "seconds", "status", "ended by"],
          [[ar.key(r), "%.2f" % r["seconds"], r["status"], r["kind"] or "tips %s" % r["tips"]] for r in slow])


def print_checks(name, runs):
    checked = [r for r in runs.values() if r.get("check")]
    if not checked:
        return
    failed = [r for r in checked if not r["check"]["passed"]]
    title("Outside check of tips, %s: %d checked, %d failed" % (name, len(checked), len(failed)))
    for r in sorted(failed, key=ar.key)[:40]:
        print("  %-16s %s  %s" % (ar.key(r), r["tips"], "; ".join(r["check"]["why"])))
    unsure = [r for r in checked if r["check"]["passed"] and r["check"].get("unsure")]
    print("  %d passed with a side left unjudged (no tip at a neighbouring factor)" % len(unsure))
    for r in sorted(unsure, key=ar.key)[:20]:
        print("    %-16s %s  %s" % (ar.key(r), r["tips"], "; ".join(r["check"]["unsure"])))


def cmd_summary(a):
    print_summary(load(a.run_json))


def cmd_compare(a):
    B, A, both = ar.compared_runs(a, status_line)

    title("(a) Refused design runs by box")
    cb, ca = by_kind(B), by_kind(A)
    keys = sorted(set(cb) | set(ca), key=lambda k: (-max(cb[k], ca[k]), k))
    rows = [[k[0], k[1], cb[k], ca[k], "%+d" % (ca[k] - cb[k])] for k in keys]
    rows.append(["total", "", sum(cb.values()), sum(ca.values()), "%+d" % (sum(ca.values()) - sum(cb.values()))])
    table(["ended by", "wall", "before", "after", "change"], rows)

    title("(b) Solved before, refused after")
    lost = [k for k in both if B[k]["status"] == 0 and A[k]["status"] != 0]
    if not lost:
        print("  none")
    for k in lost:
        print("  %-16s before tips %-18s after: %s" % (k, B[k]["tips"], A[k]["kind"]))

    title("(c) Tips moved by more than %.2f ft in runs solved before and after" % TIP_MOVE)
    moved = []
    for k in both:
        if B[k]["status"] == 0 and A[k]["status"] == 0:
            tb, ta = B[k]["tips"], A[k]["tips"]
            if len(tb) != len(ta):
                moved.append((float("inf"), k))
            else:
                most = max((abs(x - y) for x, y in zip(tb, ta)), default=0.0)
                if most > TIP_MOVE + 1e-9:
                    moved.append((most, k))
    if not moved:
        print("  none")
    else:
        print("  %d runs; by wall: %s" % (len(moved), dict(Counter(wall_type(A[k]) for _, k in moved))))
        for most, k in sorted(moved, reverse=True)[:60]:
            chk = A[k].get("check")
            print("  %-16s before %-18s after %-18s moved %.2f%s" % (
                k, B[k]["tips"], A[k]["tips"], most,
                "" if not chk else ", check %s" % ("passed" if chk["passed"] else "FAILED: " + "; ".join(chk["why"]))))
        if len(moved) > 60:
            print("  ... %d more" % (len(moved) - 60))

    title("(d) Refused before, solved after")
    newly = [k for k in both if B[k]["status"] != 0 and A[k]["status"] == 0]
    per = defaultdict(Counter)
    for k in newly:
        c = per[(B[k]["kind"], wall_type(B[k]))]
        c["n"] += 1
        c["balanced" if not unbalanced(A[k]) else "unbalanced"] += 1
        chk = A[k].get("check")
        c["pass" if chk and chk["passed"] else "fail" if chk else "unchecked"] += 1
    rows = [[k[0], k[1], c["n"], c["balanced"], c["unbalanced"], c["pass"], c["fail"], c["unchecked"]]
            for k, c in sorted(per.items(), key=lambda kv: -kv[1]["n"])]
    rows.append(["total", "", len(newly)] + [sum(c[x] for c in per.values())
                                             for x in ("balanced", "unbalanced", "pass", "fail", "unchecked")])
    table(["ended by before", "wall", "runs", "balanced", "unbalanced", "check pass", "check fail", "unchecked"], rows)
    for k in newly:
        chk = A[k].get("check")
        if unbalanced(A[k]) or (chk and not chk["passed"]):
            print("  %-16s tips %s miss %s  %s" % (k, A[k]["tips"], A[k]["statics_miss"],
                                                 "; ".join(chk["why"]) if chk else ""))

    title("(e) Refused both, box changed")
    pairs = Counter((B[k]["kind"], A[k]["kind"]) for k in both
                    if B[k]["status"] != 0 and A[k]["status"] != 0 and B[k]["kind"] != A[k]["kind"])
    if not pairs:
        print("  none")
    else:
        table(["before", "after", "runs"], [[p[0], p[1], n] for p, n in pairs.most_common()])
    print_unbalanced("after", A)
    print_checks("after", A)
    title("Slowest 5 runs after")
    slow = sorted(A.values(), key=lambda r: -r["seconds"])[:5]
    table(["run", "seconds", "status", "before s"],
          [[ar.key(r), "%.2f" % r["seconds"], r["status"], "%.2f" % B.get(ar.key(r), {}).get("seconds", 0)]
           for r in slow])


# ---------------------------------------------------------------------------------------
# scale

def scale_one(task):
    k, path, wedge = task
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    r = {"key": k, "scaled": {}, "profile": [], "grid_floor": grid_floor(text)}
    for s in SCALES:
        status, out, report, seconds = solve_text(scaled_text(text, s), wedge, "scaled%d" % s)
        d = read_design(text, wedge, status, out, report, seconds)
        x = d["box_elevation"] / s if d.get("box_elevation") is not None else None
        r["scaled"][str(s)] = {"status": status, "kind": d["kind"], "box_elevation": x,
                               "grid_end": bool(d["kind"] and NO_SOLUTION in d["kind"] and at_grid_floor(x, text, s)),
                               "tip": d["tips"][0] / s if d["tips"] else None,
                               "statics_miss": d["statics_miss"][0] if d["statics_miss"] else None}
    for fp in PROFILE_FACTORS:
        status, out, report, _ = solve_text(with_passive(text, fp), wedge, "profile")
        d = read_design(text, wedge, status, out, report, 0)
        r["profile"].append({"factor": fp, "status": status, "tip": d["tips"][0] if d["tips"] else None,
                             "kind": d["kind"], "box_elevation": d.get("box_elevation")})
    ar._clear_scratch()
    return r


def scale_cases(runs):
    return sorted(k for k, r in runs.items() if r["status"] != 0 and not r["anchored"] and r["boxes"]
                  and (ABOVE in r["kind"] or NO_SOLUTION in r["kind"]))


def cmd_scale(a):
    solve_file = solve_file_of(a.solve_file)
    d = load(a.run_json)
    runs = d["runs"]
    folder = d["meta"]["problemdir"]
    cases = scale_cases(runs)
    if a.limit:
        cases = cases[:a.limit]
    tasks = [(k, os.path.join(folder, runs[k]["file"]), runs[k]["wedge"]) for k in cases]
    t0 = time.monotonic()
    out = {}
    with worker_pool(a.jobs, solve_file, "design-scale-") as pool:
        for i, r in enumerate(pool.imap_unordered(scale_one, tasks, chunksize=1), 1):
            out[r["key"]] = r
            if i % 50 == 0 or i == len(tasks):
                print("%d/%d walls, %.0f s" % (i, len(tasks), time.monotonic() - t0), file=sys.stderr)
    after = load(a.after)["runs"] if a.after else None
    data = {"meta": {"solve_file": solve_file, "run_json": os.path.abspath(a.run_json),
                     "after_json": os.path.abspath(a.after) if a.after else None, "jobs": a.jobs,
                     "wall_seconds": round(time.monotonic() - t0, 1), "date": time.strftime("%Y-%m-%d %H:%M:%S")},
            "walls": {k: dict(out[k], before=runs[k], after=(after or {}).get(k)) for k in cases}}
    write_json(a.out, data)
    print_scale(data)


def profile_text(profile):
    """One letter a factor: t a tip, A above X, N no solution, o another box."""
    return "".join("t" if p["status"] == 0 else "A" if p["kind"] and ABOVE in p["kind"]
                   else "N" if p["kind"] and NO_SOLUTION in p["kind"] else "o" for p in profile)


def scale_verdict(w):
    """below X / not below X / no scaled tip, from the finer of the scaled walls, and
    whether the two scales agree within SCALE_AGREE."""
    x = w["before"].get("box_elevation")
    tips = {s: w["scaled"][str(s)]["tip"] for s in SCALES}
    fine = tips[SCALES[-1]]
    agree = None
    if all(t is not None for t in tips.values()):
        agree = abs(tips[SCALES[0]] - tips[SCALES[-1]]) <= SCALE_AGREE
    if fine is None and w["scaled"][str(SCALES[-1])].get("grid_end"):
        where = "scaled grid too short"
    elif fine is None or x is None:
        where = "no scaled tip"
    elif ABOVE in w["before"]["kind"]:
        where = "below X" if fine < x - 0.05 else "not below X"
    else:
        where = "above X" if fine > x + 0.05 else "not above X"
    return where, agree


def at_end(w):
    x, floor = w["before"].get("box_elevation"), w.get("grid_floor")
    return x is not None and floor is not None and x <= floor + 1.0 + 1e-6


def print_scale(data):
    walls = data["walls"]
    m = data["meta"]
    print("%d refused cantilever designs scaled by %s with %s (%.0f s wall at -j %s)" % (
        len(walls), " and ".join(map(str, SCALES)), m["solve_file"], m["wall_seconds"], m["jobs"]))
    title("Verdicts by box (the scaled tip per unit of scale against the box's X)")
    c = Counter()
    for w in walls.values():
        box = ABOVE if ABOVE in w["before"]["kind"] else NO_SOLUTION
        if box == NO_SOLUTION:
            box += " (X at the grid end)" if at_end(w) else " (X above the grid end)"
        where, agree = scale_verdict(w)
        c[(box, where, {True: "agree", False: "differ", None: "-"}[agree])] += 1
    table(["box before", "scaled tip (1/8 scale)", "4 and 8 within %.1f ft" % SCALE_AGREE, "walls"],
          [[k[0], k[1], k[2], n] for k, n in sorted(c.items())])
    title("Walls (X from the box; tips per unit of scale; profile at passive factors %.1f..%.1f:"
          " t tip, A above, N no solution, o other; N end: X at the end of the grid)"
          % (PROFILE_FACTORS[0], PROFILE_FACTORS[-1]))
    rows = []
    for k, w in sorted(walls.items(), key=lambda kv: kv[0]):
        b = w["before"]
        where, agree = scale_verdict(w)
        sc = [w["scaled"][str(s)] for s in SCALES]
        cell = lambda s: "%.2f" % s["tip"] if s["tip"] is not None else (
            "%s %s" % ("A" if s["kind"] and ABOVE in s["kind"] else "N" if s["kind"] and NO_SOLUTION in s["kind"]
                       else "o", "%.2f" % s["box_elevation"] if s["box_elevation"] is not None else ""))
        row = [k, "A" if ABOVE in b["kind"] else "N end" if at_end(w) else "N", "%.2f" % b["factors"][1],
               "%.2f" % b["box_elevation"] if b.get("box_elevation") is not None else "-",
               cell(sc[0]), cell(sc[1]), where, profile_text(w["profile"])]
        aft = w.get("after")
        if data["meta"].get("after_json"):
            if aft is None:
                row += ["-", "-"]
            elif aft["status"] == 0:
                t = aft["tips"][0]
                off = [abs(t - s["tip"]) for s in sc if s["tip"] is not None]
                row += ["%.2f" % t, ("yes" if max(off) <= SCALE_AGREE else "NO %.2f" % max(off)) if off else "-"]
            else:
                row += [(aft["kind"] or "")[:28], "-"]
        rows.append(row)
    head = ["run", "box", "passive", "X", "tip x4 /4", "tip x8 /8", "verdict", "profile"]
    if data["meta"].get("after_json"):
        head += ["after", "within %.1f" % SCALE_AGREE]
    table(head, rows)


def cmd_scale_report(a):
    print_scale(load(a.scale_json))


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = p.add_subparsers(dest="cmd", required=True)
    r = sub.add_parser("run", help="solve the designs of a folder")
    r.add_argument("solve_file")
    r.add_argument("problemdir")
    r.add_argument("out")
    r.add_argument("-j", "--jobs", type=int, default=3)
    r.add_argument("--check-only-changed", metavar="BEFORE.json",
                   help="check from outside the solved runs whose status or tips differ from BEFORE.json")
    r.set_defaults(func=cmd_run)
    c = sub.add_parser("compare", help="compare two run files")
    c.add_argument("before")
    c.add_argument("after")
    c.set_defaults(func=cmd_compare)
    s = sub.add_parser("summary", help="the tables of one run file")
    s.add_argument("run_json")
    s.set_defaults(func=cmd_summary)
    k = sub.add_parser("scale", help="scale the refused short cantilever designs of a run file")
    k.add_argument("solve_file")
    k.add_argument("run_json")
    k.add_argument("out")
    k.add_argument("--after", metavar="AFTER.json", help="set the tips of this run file beside the scaled ones")
    k.add_argument("-j", "--jobs", type=int, default=3)
    k.add_argument("--limit", type=int, default=0, help="only the first N walls")
    k.set_defaults(func=cmd_scale)
    sr = sub.add_parser("scale-report", help="the tables of a scale file")
    sr.add_argument("scale_json")
    sr.set_defaults(func=cmd_scale_report)
    a = p.parse_args()
    a.func(a)


if __name__ == "__main__":
    main()
