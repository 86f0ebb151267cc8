#!/usr/bin/env python3
"""Analysis refusals over a folder of problems, before and after a change to the
factor-of-safety search.

  analysis_refusals.py run SOLVE_FILE PROBLEMDIR OUT.json [-j N] [--seeds-from FILE]
                           [--check-solved] [--check-only-changed BEFORE.json]
                           [--design-timeout S]
  analysis_refusals.py compare BEFORE.json AFTER.json
  analysis_refusals.py summary RUN.json

run: solves every analysis .dat of PROBLEMDIR by wedge F and S (timeout 60, --answer-no,
TEMP a scratch folder of the worker's own) and records each run's status, boxes, printed
factors and anchor forces and its time. A refused run (status 1) is classed by the box
that ended it, and designs of the same wall at passive factors 0.2 to 5.0 decide whether
the wall has a factor at all: one whose design tip lies within 0.1 ft of the given bottom,
by every method. --seeds-from keeps only the g<seed>.dat named in FILE (one seed a line)
and the folder's other .dat files. --check-solved checks every printed factor from
outside (statics of the printed tables, the last row at the bottom, designs at the factor
-/+ 0.03 on either side of it); --check-only-changed does so only for the runs whose
status or factors differ from those of BEFORE.json.

compare: refusals by kind before and after, changed factors, runs that became solved or
refused, kinds that changed, anchor forces below 0, the slowest runs.
summary: the same tables for one file alone.
"""
import argparse
import json
import multiprocessing
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from collections import Counter, defaultdict

SOLVE_TIMEOUT = 60
SAMPLED_FACTORS = [round(0.2 + 0.1 * i, 1) for i in range(49)]  # 0.2 .. 5.0
BISECT_WIDTH = 0.002
BISECT_DESIGNS = 10
HIT = 0.1  # ft: a design tip this close to the bottom is the bottom
ZIGZAG = 0.15  # ft: where the designs zigzag near a factor, its own design this close

# ---------------------------------------------------------------------------------------
# Reading what solve_file prints and writes (the same reading as the analysis factor test)

NUMBER = re.compile(r"[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?")
BOX_HEAD = re.compile(r"^=== (.*) \[(-?\d+)\]$")


def number(token):
    """The value of a token a C++ stream reads whole as a double, else None (no nan/inf,
    which a stream does not read either)."""
    return float(token) if NUMBER.fullmatch(token) else None


def parse_boxes(stdout):
    boxes, cur = [], None
    for line in stdout.splitlines():
        if cur is None:
            m = BOX_HEAD.match(line)
            if m:
                cur = {"title": m.group(1), "code": int(m.group(2)), "text": []}
        elif line == "===":
            boxes.append(cur)
            cur = None
        else:
            cur["text"].append(line)
    if cur is not None:  # cut off by a crash or a timeout
        boxes.append(cur)
    for b in boxes:
        b["text"] = "\n".join(b["text"])
    return boxes


def parse_row(line):
    w = line.split()
    if len(w) != 5:
        return None
    z = w[0][:-1] if w[0].endswith(("+", "-")) else w[0]
    vals = [number(z)] + [number(t) for t in w[1:]]
    if any(v is None for v in vals):
        return None
    return (vals[0], vals[1], vals[2], vals[4])  # z, moment, shear, net pressure


def results_tables(report):
    """The rows of every "COMPLETE OF RESULTS" table, one table per method."""
    tables, at = [], 0
    while True:
        at = report.find("COMPLETE OF RESULTS FOR", at)
        if at < 0:
            break
        at = report.find("II.--RESULTS", at)
        if at < 0:
            break
        rows = []
        for line in report[at:].splitlines()[1:]:
            r = parse_row(line)
            if r is not None:
                rows.append(r)
            elif rows:
                break
        tables.append(rows)
    return tables


def statics_miss(t):
    """How far a printed table misses its statics beyond what its printed digits hide, as
    a fraction of its largest moment: the worst interval."""
    largest = max((abs(r[1]) for r in t), default=0.0)
    worst = 0.0
    for a, b in zip(t, t[1:]):
        d = a[0] - b[0]
        moment = b[1] - a[1] - (d * (a[2] + b[2]) / 2 + d * d * (a[3] - b[3]) / 12)
        hidden = (5e-5 * (abs(a[1]) + abs(b[1])) + 0.01 * (abs(a[2]) + abs(b[2])) / 2 + 0.5 * d
                  + 0.01 * d * (abs(a[3]) + abs(b[3])) / 6)
        worst = max(worst, _part(max(0.0, abs(moment) - hidden), largest))
        shear = b[2] - a[2] - d * (a[3] + b[3]) / 2
        shear_hidden = 1.0 + 0.01 * (abs(a[3]) + abs(b[3])) / 2
        if d != 0:
            worst = max(worst, _part(max(0.0, abs(shear) - shear_hidden), largest))
    return worst


def _part(x, largest):
    # As the C++ division does: 0/0 is no number, and no number is never the worst.
    if largest == 0:
        return float("inf") if x > 0 else 0.0
    return x / largest


def values(report, label):
    """The values of the summary line "LABEL ... :" (the label ends the words before the
    colon, so the input echo's lines do not count)."""
    for line in report.splitlines():
        colon = line.find(":")
        if colon < 0:
            continue
        if not line[:colon].rstrip(" ").endswith(label):
            continue
        v = []
        for tok in line[colon + 1:].split():
            x = number(tok)
            if x is None:
                break
            v.append(x)
        return v
    return []


def fixed(v, digits):
    return "%.*f" % (digits, v)


def design_of(analysis, fs_text, gradient):
    """The analysis file made a design at passive factor fs_text: the same active factor
    (the factor itself where the analysis applies one to both), the wall without its
    bottom, and the given seepage gradient in place of an automatic one."""
    out = []
    anchored = is_anchored(analysis)
    for line in analysis.split("\n")[:-1] if analysis.endswith("\n") else analysis.split("\n"):
        w = line.split()
        if w and w[0] == "CONTROL":
            line = "CONTROL " + w[1] + " DESIGN " + (w[3] if len(w) > 3 else fs_text) + " " + fs_text
        elif w and w[0] == "WALL":
            line = "WALL " + w[1] + (" " + w[2] if anchored else "")
        elif w and w[0] == "WATER" and w[-1] == "AUTOMATIC" and gradient is not None:
            line = line[:line.rfind("AUTOMATIC")] + fixed(gradient, 4)
        out.append(line)
    return "\n".join(out) + "\n"


def control_words(text):
    for line in text.splitlines():
        w = line.split()
        if w and w[0] == "CONTROL":
            return w
    return []


def is_anchored(text):
    w = control_words(text)
    return len(w) > 1 and w[1] == "ANCHORED"


def given_bottom(text):
    """The bottom the WALL line of an analysis gives, or None."""
    anchored = is_anchored(text)
    for line in text.splitlines():
        w = line.split()
        if w and w[0] == "WALL":
            k = 3 if anchored else 2
            return number(w[k]) if len(w) > k else None
    return None


def factor_text(f):
    """A factor as the input takes it: two decimals on the 0.01 grid, four between."""
    return fixed(f, 2) if abs(f * 100 - round(f * 100)) < 1e-9 else fixed(f, 4)


# ---------------------------------------------------------------------------------------
# Kinds of the box that ended a refused run

TITLE_KINDS = [
    "IMPROPER WALL ROTATION", "INVALID NET ACTIVE PRESSURE DISTRIBUTION", "INCONSISTENT RESULTS",
    "LARGE FACTOR OF SAFETY", "SMALL FACTOR OF SAFETY", "IMPROPER SOIL WEIGHT", "INVALID WEDGE GEOMETRY",
    "IMPROPER WALL FRICTION", "IMPROPER SURFACE SLOPE", "UNBALANCED RESULTS",
]
TEXT_KINDS = [
    "NO SOLUTION FOR CANTILEVER WALL DESIGN", "A SOLUTION FOR PENETRATION HAS NOT BEEN FOUND",
    "DESIGN BOTTOM OF CANTILEVER WALL IS ABOVE",
]


def first_line(text):
    for line in text.splitlines():
        if line.strip():
            return line.strip()
    return ""


def box_kind(box):
    title, text = box["title"], box["text"]
    first = first_line(text)
    # The anchored design's rotation box ends by naming the compression: it is its own kind.
    if "ANCHOR FORCE IS COMPRESSION" in text:
        return "ANCHOR FORCE IS COMPRESSION"
    if "Calculated angle of internal friction is greater" in text:
        return "friction angle above 45"
    for k in TITLE_KINDS:
        if title.startswith(k) or first.upper().startswith(k):
            return k
    for k in TEXT_KINDS:
        if first.upper().startswith(k):
            return k
    if first.upper().startswith("CONDITIONS ENCOUNTERED WHERE"):
        return "CONDITIONS ENCOUNTERED WHERE (rotation)"
    return title if title and title != "QUELDAR" else first[:60]


def run_kind(run):
    s = run["status"]
    if s == 0:
        return None
    if s == 124:
        return "TIMEOUT (60 s)"
    if s < 0 or s > 128:
        return "CRASH (status %d)" % s
    if s != 1:
        return "STATUS %d" % s
    return box_kind(run["boxes"][-1]) if run["boxes"] else "no box"


# ---------------------------------------------------------------------------------------
# Solving, in a worker with a scratch folder of its own

_scratch = None
_opts = None


def _init_worker(root, opts):
    global _scratch, _opts
    _scratch = tempfile.mkdtemp(prefix="w%d-" % os.getpid(), dir=root)
    _opts = opts


def _clear_scratch():
    for name in os.listdir(_scratch):
        p = os.path.join(_scratch, name)
        shutil.rmtree(p, ignore_errors=True) if os.path.isdir(p) else os.remove(p)


def solve(path, wedge, timeout=SOLVE_TIMEOUT, stem="run"):
    rep = os.path.join(_scratch, stem + ".rep")
    if os.path.exists(rep):
        os.remove(rep)
    env = dict(os.environ, TEMP=_scratch)
    t0 = time.monotonic()
    p = subprocess.run(["timeout", str(timeout), _opts["solve_file"], "--answer-no", "--wedge", wedge, path, rep],
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    seconds = time.monotonic() - t0
    report = ""
    if os.path.exists(rep):
        with open(rep, encoding="utf-8", errors="replace") as f:
            report = f.read()
    return p.returncode, p.stdout.decode("utf-8", errors="replace"), report, seconds


class Designs:
    """Designs of one wall, each file text solved once."""

    def __init__(self, wedge, anchored):
        self.wedge = wedge
        self.label = "WALL BOTTOM ELEVATION (FT)" if anchored else "WALL BOTTOM ELEV. (FT)"
        self.cache = {}
        self.count = 0
        self.seconds = 0.0

    def get(self, text):
        key = (text, self.wedge)
        if key not in self.cache:
            path = os.path.join(_scratch, "design.dat")
            with open(path, "w") as f:
                f.write(text)
            status, out, report, seconds = solve(path, self.wedge, _opts["design_timeout"], "design")
            self.count += 1
            self.seconds += seconds
            self.cache[key] = {"status": status, "out": out, "tips": values(report, self.label)}
        return self.cache[key]


ABOVE_TEXT = ["IS ABOVE ELEVATION", "IMPROPER WALL ROTATION", "CONDITIONS ENCOUNTERED WHERE"]
BELOW_TEXT = ["NO SOLUTION FOR CANTILEVER", "A SOLUTION FOR PENETRATION HAS NOT BEEN FOUND",
              "NET ACTIVE PRESSURE DOES NOT CHANGE SIGN"]


def design_class(d, method, bottom):
    """'h' a solved design with its tip at the bottom, 'a' a tip above it, 'b' below,
    't' a design that timed out, 'o' anything else."""
    tip = d["tips"][method - 1] if len(d["tips"]) >= method else None
    if tip is not None:
        if d["status"] == 0 and abs(tip - bottom) <= HIT + 1e-9:
            return "h"
        return "a" if tip > bottom else "b"
    if d["status"] == 124:
        return "t"
    if d["status"] != 0:
        upper = d["out"].upper()
        if any(s in upper for s in ABOVE_TEXT):
            return "a"
        if any(s in upper for s in BELOW_TEXT):
            return "b"
    return "o"


def search_factor(text, designs, method, bottom):
    """A passive factor at which the design tip of the method reaches the bottom: the
    sampled factors first, then the first above-to-below steps halved."""
    at = lambda f: design_class(designs.get(design_of(text, factor_text(f), None)), method, bottom)
    profile = "".join(at(f) for f in SAMPLED_FACTORS)
    found = None
    if "h" in profile:
        found = SAMPLED_FACTORS[profile.index("h")]
    else:
        for i in range(len(profile) - 1):
            if profile[i] != "a" or profile[i + 1] != "b":
                continue
            lo, hi = SAMPLED_FACTORS[i], SAMPLED_FACTORS[i + 1]
            for _ in range(BISECT_DESIGNS):
                if hi - lo <= BISECT_WIDTH:
                    break
                mid = round((lo + hi) / 2, 4)
                c = at(mid)
                if c == "h":
                    found = mid
                    break
                if c == "a":
                    lo = mid
                elif c == "b":
                    hi = mid
                else:
                    break
            if found is not None:
                break
    return {"factor": found, "profile": profile}


def outside_check(text, wedge, report, bottom):
    """Every printed factor one the wall has: its table obeys statics and ends at the
    bottom, and designs at the factor -/+ 0.03 put the tip on either side of it."""
    fs = values(report, "FACTOR OF SAFETY")
    gradient = values(report, "SEEPAGE GRADIENT")
    tables = results_tables(report)
    why = []
    if not fs:
        return {"passed": False, "why": ["no factor printed"], "designs": 0, "design_seconds": 0}
    if len(tables) != len(fs):
        return {"passed": False, "why": ["%d tables for %d factors" % (len(tables), len(fs))], "designs": 0,
                "design_seconds": 0}
    designs = Designs(wedge, is_anchored(text))
    unsure, zigzag = [], []
    for k, f in enumerate(fs):
        m = k + 1
        tag = "method %d, factor %s: " % (m, fixed(f, 2))
        t = tables[k]
        if not t:
            why.append(tag + "empty table")
            continue
        miss = statics_miss(t)
        if not miss < 1e-3:
            why.append(tag + "statics miss %.2e" % miss)
        if not abs(t[-1][0] - bottom) <= 0.105:
            why.append(tag + "last row at %.2f" % t[-1][0])
        g = gradient[k] if len(gradient) > k else None
        # A design refused for its strengths (past what the method computes) or, on an
        # anchored wall, by either method says nothing of this method's tip: nearer
        # factors are tried before the side is left unjudged.
        def near(sign):
            for offset in (0.03, 0.02, 0.01):
                d = designs.get(design_of(text, fixed(f + sign * offset, 2), g))
                tip = d["tips"][k] if len(d["tips"]) > k else None
                if tip is not None or "IS ABOVE ELEVATION" in d["out"] or not unjudged(d, text):
                    return offset, d, tip
            return None, d, None
        lo_off, lower, lt = near(-1)
        hi_off, higher, ht = near(+1)
        before = len(why)
        if lo_off is None:
            unsure.append(tag + "no design just below the factor" + design_refusal(lower))
        elif not ("IS ABOVE ELEVATION" in lower["out"] or (lt is not None and lt >= bottom - 0.2)):
            why.append(tag + "tip at factor - %.2f below the bottom (%s)" % (lo_off, "none" if lt is None else fixed(lt, 2))
                       + design_refusal(lower))
        if hi_off is None:
            unsure.append(tag + "no design just above the factor" + design_refusal(higher))
        elif ht is None:
            why.append(tag + "no tip at factor + %.2f" % hi_off + design_refusal(higher))
        elif not ht <= bottom + 0.2:
            why.append(tag + "tip at factor + %.2f above the bottom (%s)" % (hi_off, fixed(ht, 2)))
        if len(why) > before:
            # Designs that zigzag about the bottom near the factor: the design at the
            # printed factor itself must then lie within ZIGZAG of the bottom.
            d = designs.get(design_of(text, fixed(f, 2), g))
            tip = d["tips"][k] if len(d["tips"]) > k else None
            if tip is not None and abs(tip - bottom) <= ZIGZAG:
                zigzag.append(tag + "; ".join(w[len(tag):] for w in why[before:]) + "; design at the factor %s" % fixed(tip, 2))
                del why[before:]
    return {"passed": not why, "why": why, "unsure": unsure, "zigzag": zigzag, "designs": designs.count,
            "design_seconds": round(designs.seconds, 2)}


NOT_COMPUTABLE = ["CALCULATED ANGLE OF INTERNAL FRICTION", "PASSIVE EARTH PRESSURE COEFFICIENT IS NOT FINITE",
                  "IMPROPER SURFACE SLOPE", "IMPROPER WALL FRICTION"]


def unjudged(d, text):
    """A refused design whose refusal says nothing of the tip being checked."""
    if d["status"] == 0:
        return False
    upper = d["out"].upper()
    return is_anchored(text) or any(s in upper for s in NOT_COMPUTABLE)


def design_refusal(d):
    if d["status"] == 0:
        return ""
    boxes = parse_boxes(d["out"])
    return ", %s" % run_kind({"status": d["status"], "boxes": boxes})


def run_one(task):
    name, path, wedge, check = task
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    status, out, report, seconds = solve(path, wedge)
    run = {
        "file": name, "wedge": wedge, "anchored": is_anchored(text), "bottom": given_bottom(text),
        "status": status, "boxes": parse_boxes(out), "factors": values(report, "FACTOR OF SAFETY"),
        "anchor_forces": values(report, "ANCHOR FORCE (LB)"), "seconds": round(seconds, 4),
    }
    run["kind"] = run_kind(run)
    bottom = run["bottom"]
    if status == 1 and bottom is not None:
        designs = Designs(wedge, run["anchored"])
        methods = [1, 2] if run["anchored"] else [1]
        found = [search_factor(text, designs, m, bottom) for m in methods]
        run["search"] = {"has_factor": all(s["factor"] is not None for s in found), "methods": found,
                         "designs": designs.count, "design_seconds": round(designs.seconds, 2)}
    if status == 0 and check and bottom is not None:
        run["check"] = outside_check(text, wedge, report, bottom)
    _clear_scratch()
    return run


# ---------------------------------------------------------------------------------------
# run

def problem_files(folder, seeds_from):
    names = sorted(n for n in os.listdir(folder) if n.endswith(".dat"))
    if seeds_from:
        with open(seeds_from) as f:
            keep = {"g%s.dat" % line.strip() for line in f if line.strip()}
        names = [n for n in names if n in keep or not re.fullmatch(r"g\d+\.dat", n)]
    return names


def cmd_run(a):
    solve_file = os.path.abspath(a.solve_file)
    if not os.access(solve_file, os.X_OK):
        sys.exit("analysis_refusals: %s is no program" % solve_file)
    before = load(a.check_only_changed)["runs"] if a.check_only_changed else None
    tasks, skipped = [], []
    for n in problem_files(a.problemdir, a.seeds_from):
        path = os.path.join(os.path.abspath(a.problemdir), n)
        with open(path, encoding="utf-8", errors="replace") as f:
            w = control_words(f.read())
        if len(w) < 3 or w[2] != "ANALYSIS":
            skipped.append(n)
            continue
        for wedge in "FS":
            tasks.append((n, path, wedge))
    if skipped:
        print("skipped %d files that are no analysis: %s" % (len(skipped), " ".join(skipped[:10])), file=sys.stderr)
    root = tempfile.mkdtemp(prefix="analysis-refusals-")
    opts = {"solve_file": solve_file, "design_timeout": a.design_timeout}
    t0 = time.monotonic()
    runs = {}
    try:
        # Solved runs are checked in a second pass where only the changed ones are: the
        # runs of BEFORE.json say which those are once the status and factors are known.
        with multiprocessing.Pool(a.jobs, _init_worker, (root, opts)) as pool:
            work = [(n, p, w, a.check_solved and before is None) for n, p, w in tasks]
            for i, r in enumerate(pool.imap_unordered(run_one, work, chunksize=4), 1):
                runs[key(r)] = r
                if i % 500 == 0 or i == len(work):
                    print("%d/%d runs, %.0f s" % (i, len(work), time.monotonic() - t0), file=sys.stderr)
            if before is not None:
                again = [(n, p, w, True) for n, p, w in tasks
                         if changed(runs[key({"file": n, "wedge": w})], before)
                         and runs[key({"file": n, "wedge": w})]["status"] == 0]
                print("checking %d changed solved runs" % len(again), file=sys.stderr)
                for r in pool.imap_unordered(check_one, again, chunksize=2):
                    runs[key(r)]["check"] = r["check"]
    finally:
        shutil.rmtree(root, ignore_errors=True)
    meta = {"solve_file": solve_file, "problemdir": os.path.abspath(a.problemdir), "jobs": a.jobs,
            "runs": len(runs), "wall_seconds": round(time.monotonic() - t0, 1),
            "check": "changed" if before is not None else ("all" if a.check_solved else "none"),
            "date": time.strftime("%Y-%m-%d %H:%M:%S")}
    tmp = a.out + ".part"
    with open(tmp, "w") as f:
        json.dump({"meta": meta, "runs": runs}, f, indent=None, separators=(",", ":"))
    os.replace(tmp, a.out)
    print("%d runs in %.1f s -> %s" % (len(runs), meta["wall_seconds"], a.out), file=sys.stderr)
    print_summary(load(a.out))


def check_one(task):
    name, path, wedge, _ = task
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    _, _, report, _ = solve(path, wedge)
    r = {"file": name, "wedge": wedge, "check": outside_check(text, wedge, report, given_bottom(text))}
    _clear_scratch()
    return r


def key(r):
    return "%s %s" % (r["file"], r["wedge"])


def changed(run, before):
    b = before.get(key(run))
    return b is None or b["status"] != run["status"] or b["factors"] != run["factors"]


def load(path):
    with open(path) as f:
        return json.load(f)


# ---------------------------------------------------------------------------------------
# Tables

def table(head, rows, out=sys.stdout):
    cells = [[str(c) for c in r] for r in [head] + rows]
    widths = [max(len(r[i]) for r in cells) for i in range(len(head))]
    for n, r in enumerate(cells):
        print("  " + "  ".join(c.ljust(widths[i]) if i == 0 else c.rjust(widths[i]) for i, c in enumerate(r)),
              file=out)
        if n == 0:
            print("  " + "  ".join("-" * w for w in widths), file=out)


def title(text):
    print("\n" + text)
    print("=" * len(text))


def has_factor(r):
    s = r.get("search")
    return "-" if s is None else s["has_factor"]


def by_kind(runs):
    refused, with_factor = Counter(), Counter()
    for r in runs.values():
        if r["status"] != 0:
            refused[r["kind"]] += 1
            if has_factor(r) is True:
                with_factor[r["kind"]] += 1
    return refused, with_factor


def status_line(name, d):
    runs = d["runs"].values()
    st = Counter(r["status"] for r in runs)
    search = sum(r["search"].get("design_seconds", 0) for r in runs if r.get("search"))
    check = sum(r["check"].get("design_seconds", 0) for r in runs if r.get("check"))
    print("%s: %d runs of %s (%s)" % (name, len(d["runs"]), d["meta"]["solve_file"],
                                      ", ".join("status %s: %d" % (s, n) for s, n in sorted(st.items()))))
    print("  %.0f s wall at -j %s; summed: analyses %.0f s, factor-search designs %.0f s, check designs %.0f s"
          " (check: %s)" % (d["meta"]["wall_seconds"], d["meta"]["jobs"], sum(r["seconds"] for r in runs), search,
                            check, d["meta"]["check"]))


def print_checks(name, runs, before=None):
    checked = [r for r in runs.values() if r.get("check")]
    if not checked:
        return
    failed = [r for r in checked if not r["check"]["passed"]]
    title("Outside check of printed factors, %s: %d checked, %d failed" % (name, len(checked), len(failed)))
    for r in sorted(failed, key=key)[:40]:
        b = (before or {}).get(key(r), {})
        same = b.get("factors") == r["factors"] and b.get("check") and not b["check"]["passed"]
        print("  %-16s %s%s  %s" % (key(r), r["factors"], " (failed before too)" if same else "",
                                    "; ".join(r["check"]["why"])))
    if len(failed) > 40:
        print("  ... %d more" % (len(failed) - 40))
    unsure = [r for r in checked if r["check"].get("unsure")]
    print("  %d passed with a side left unjudged (every design near the factor refused for another"
          " reason: strengths past what computes, or the other method of an anchored wall)" % len(unsure))
    for r in sorted(unsure, key=key)[:40]:
        print("    %-16s %s  %s" % (key(r), r["factors"], "; ".join(r["check"]["unsure"])))
    zigzag = [r for r in checked if r["check"].get("zigzag")]
    print("  %d passed by their own design within %.2f ft of the bottom, the designs near the factor"
          " zigzagging about it" % (len(zigzag), ZIGZAG))
    for r in sorted(zigzag, key=key)[:40]:
        print("    %-16s %s  %s" % (key(r), r["factors"], "; ".join(r["check"]["zigzag"])))


def print_negative_anchor(name, runs):
    neg = [r for r in runs.values() if any(x < 0 for x in r["anchor_forces"])]
    title("Anchor forces below 0, %s: %d" % (name, len(neg)))
    for r in sorted(neg, key=key):
        print("  %-16s factors %s anchor forces %s" % (key(r), r["factors"], r["anchor_forces"]))


def print_slowest(name, runs):
    title("Slowest 10 runs, %s (run time summed %.0f s)" % (name, sum(r["seconds"] for r in runs.values())))
    slow = sorted(runs.values(), key=lambda r: -r["seconds"])[:10]
    table(["run", "seconds", "status", "ended by"],
          [[key(r), "%.2f" % r["seconds"], r["status"], r["kind"] or "solved %s" % r["factors"]] for r in slow])


def print_summary(d):
    runs = d["runs"]
    status_line("runs", d)
    refused, with_factor = by_kind(runs)
    title("Refused runs by kind (has a factor: every method has a design tip at the bottom)")
    rows = [[k, refused[k], with_factor[k]] for k in sorted(refused, key=lambda k: (-refused[k], k))]
    rows.append(["total", sum(refused.values()), sum(with_factor.values())])
    table(["ended by", "refused", "has a factor"], rows)
    print_checks("runs", runs)
    print_negative_anchor("runs", runs)
    print_slowest("runs", runs)


def cmd_summary(a):
    print_summary(load(a.run_json))


def compared_runs(a, status_line):
    """The runs of a.before and a.after, each file's status line printed, and the keys of
    the runs both hold (those in one file only are named)."""
    b, f = load(a.before), load(a.after)
    B, A = b["runs"], f["runs"]
    status_line("before", b)
    status_line("after ", f)
    only = sorted(set(B) ^ set(A))
    if only:
        print("runs in one file only: %d (%s)" % (len(only), " ".join(only[:10])))
    return B, A, sorted(set(B) & set(A))


def cmd_compare(a):
    B, A, both = compared_runs(a, status_line)

    rb, fb = by_kind(B)
    ra, fa = by_kind(A)
    title("(a) Refused runs by kind")
    kinds = sorted(set(rb) | set(ra), key=lambda k: (-max(rb[k], ra[k]), k))
    rows = [[k, rb[k], fb[k], ra[k], fa[k], "%+d" % (ra[k] - rb[k])] for k in kinds]
    rows.append(["total", sum(rb.values()), sum(fb.values()), sum(ra.values()), sum(fa.values()),
                 "%+d" % (sum(ra.values()) - sum(rb.values()))])
    table(["ended by", "before", "has factor", "after", "has factor", "change"], rows)

    title("(b) Printed factors that differ (both printed)")
    diff = [k for k in both if B[k]["factors"] and A[k]["factors"] and B[k]["factors"] != A[k]["factors"]]
    if not diff:
        print("  none")
    for k in diff:
        print("  %-16s before %-14s after %s" % (k, B[k]["factors"], A[k]["factors"]))

    title("(c) Refused before, solved after")
    newly = [k for k in both if B[k]["status"] != 0 and A[k]["status"] == 0]
    rows, per = [], defaultdict(Counter)
    for k in newly:
        c = per[B[k]["kind"]]
        c["n"] += 1
        c["factor"] += has_factor(B[k]) is True
        chk = A[k].get("check")
        c["pass" if chk and chk["passed"] else "fail" if chk else "unchecked"] += 1
    for kind in sorted(per, key=lambda k: -per[k]["n"]):
        c = per[kind]
        rows.append([kind, c["n"], c["factor"], c["pass"], c["fail"], c["unchecked"]])
    rows.append(["total", len(newly)] + [sum(per[k][x] for k in per) for x in ("factor", "pass", "fail", "unchecked")])
    table(["ended by before", "runs", "had factor", "check pass", "check fail", "unchecked"], rows)
    for k in newly:
        chk = A[k].get("check")
        if chk and not chk["passed"]:
            print("  fails: %-16s %s  %s" % (k, A[k]["factors"], "; ".join(chk["why"])))

    title("(d) Solved before, refused after")
    lost = [k for k in both if B[k]["status"] == 0 and A[k]["status"] != 0]
    if not lost:
        print("  none")
    for k in lost:
        print("  %-16s before %-14s after: %s (has factor: %s)" % (k, B[k]["factors"], A[k]["kind"], has_factor(A[k])))

    title("(e) Refused both, kind changed")
    pairs = Counter((B[k]["kind"], A[k]["kind"]) for k in both
                    if B[k]["status"] != 0 and A[k]["status"] != 0 and B[k]["kind"] != A[k]["kind"])
    if not pairs:
        print("  none")
    else:
        table(["before", "after", "runs"], [[p[0], p[1], n] for p, n in pairs.most_common()])

    print_negative_anchor("after", A)
    print_checks("after", A, B)
    for name, runs in (("before", B), ("after", A)):
        print_slowest(name, runs)


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = p.add_subparsers(dest="cmd", required=True)
    r = sub.add_parser("run", help="solve a folder of problems")
    r.add_argument("solve_file")
    r.add_argument("problemdir")
    r.add_argument("out")
    r.add_argument("-j", "--jobs", type=int, default=os.cpu_count())
    r.add_argument("--seeds-from", metavar="FILE")
    r.add_argument("--check-solved", action="store_true", help="check every printed factor from outside")
    r.add_argument("--check-only-changed", metavar="BEFORE.json",
                   help="check only the solved runs whose status or factors differ from BEFORE.json")
    r.add_argument("--design-timeout", type=int, default=SOLVE_TIMEOUT, metavar="S",
                   help="timeout of each design of the factor search and check (default 60)")
    r.set_defaults(func=cmd_run)
    c = sub.add_parser("compare", help="compare two run files")
    c.add_argument("before")
    c.add_argument("after")
    c.set_defaults(func=cmd_compare)
    s = sub.add_parser("summary", help="the tables of one run file")
    s.add_argument("run_json")
    s.set_defaults(func=cmd_summary)
    a = p.parse_args()
    a.func(a)


if __name__ == "__main__":
    main()
