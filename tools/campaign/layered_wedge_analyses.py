#!/usr/bin/env python3
"""Usage: layered_wedge_analyses.py SOLVE_FILE [COUNT]
200 random layered wedge analyses with wall friction: each problem solved on Coulomb
sides (one surface point) and by both wedge methods (two surface points); counts the
runs ending in INCONSISTENT RESULTS (or another stop) where Coulomb solves."""
import random, subprocess, sys, os
SF = sys.argv[1]
N = int(sys.argv[2]) if len(sys.argv) > 2 else 200
D = os.environ.get("QUELDAR_CAMPAIGN_DIR", "/tmp/queldar-layered-wedge")
os.makedirs(D, exist_ok=True)
rng = random.Random(18)

def layer(rng, bottom=None):
    kind = rng.random()
    if kind < 0.6:  # sand
        phi = rng.uniform(26, 38); c = 0; gm = rng.uniform(105, 120)
        delta = rng.choice([0, round(phi / 3, 1), round(phi * 2 / 3, 1)]); ad = 0
    elif kind < 0.8:  # c-phi
        phi = rng.uniform(18, 30); c = rng.uniform(50, 300); gm = rng.uniform(105, 120)
        delta = round(phi / 2, 1); ad = round(c / 2)
    else:  # clay
        phi = 0; c = rng.uniform(300, 1200); gm = rng.uniform(100, 115)
        delta = 0; ad = round(c / 2)
    s = f"  {gm+8:.1f} {gm:.1f} {phi:.1f} {c:.0f} {delta} {ad}"
    if bottom is not None:
        s += f" {bottom:.3f} 0"
    return s

def problem(rng):
    anchored = rng.random() < 0.5
    top = rng.uniform(18, 30)
    H = rng.uniform(8, 0.7 * top)
    dredge = top - H
    nr = rng.randint(2, 3); nl = rng.randint(1, 2)
    rb = sorted([rng.uniform(dredge - 10, top - 3) for _ in range(nr - 1)], reverse=True)
    lb = sorted([rng.uniform(dredge - 12, dredge - 1) for _ in range(nl - 1)], reverse=True)
    bottom = dredge - rng.uniform(0.6, 1.4) * H
    wall = f"WALL {top:.2f} {top - 2:.2f} {bottom:.2f} 29E6 38.3" if anchored else f"WALL {top:.2f} {bottom:.2f} 29E6 38.3"
    right = [layer(rng, b) for b in rb] + [layer(rng)]
    left = [layer(rng, b) for b in lb] + [layer(rng)]
    water = ""
    if rng.random() < 0.4:
        wr = rng.uniform(dredge, top - 2); wl = rng.uniform(dredge - 3, dredge)
        water = f"WATER ELEVATIONS 62.4 {wr:.2f} {wl:.2f}\n"
    def text(wedge):
        sr = f"SURFACE RIGHTSIDE 2 0 {top:.2f}\n  1000 {top:.2f}\n" if wedge else f"SURFACE RIGHTSIDE 1 0 {top:.2f}\n"
        sl = f"SURFACE LEFTSIDE 2 0 {dredge:.2f}\n  1000 {dredge:.2f}\n" if wedge else f"SURFACE LEFTSIDE 1 0 {dredge:.2f}\n"
        return (f"'RANDOM\nCONTROL {'ANCHORED' if anchored else 'CANTILEVER'} ANALYSIS\n{wall}\n{sr}{sl}"
                f"SOIL RIGHTSIDE STRENGTHS {nr}\n" + "\n".join(right) + f"\nSOIL LEFTSIDE STRENGTHS {nl}\n" + "\n".join(left) + "\n" + water + "FINISHED\n")
    return text

def solve(name, text, opt):
    path = os.path.join(D, name)
    open(path + ".dat", "w").write(text)
    r = subprocess.run([SF] + opt + [path + ".dat", path + ".out"], capture_output=True, text=True, timeout=300)
    out = open(path + ".out", errors="replace").read() if os.path.exists(path + ".out") else ""
    allt = r.stdout + r.stderr + out
    ok = "FACTOR OF SAFETY" in out and "SUMMARY" in out
    inconsistent = "INCONSISTENT RESULTS" in allt
    stop = ""
    for key in ["INCONSISTENT RESULTS", "INVALID WEDGE GEOMETRY", "IMPROPER WALL ROTATION", "ZERO PIVOT", "INVALID NET", "UNABLE"]:
        if key in allt: stop = key; break
    nan = any(w in allt for w in [" NAN", "nan", " INF", "inf "])
    return ok, inconsistent, stop, nan

counts = {"coulomb_ok": 0, "F_incons_where_C_ok": 0, "S_incons_where_C_ok": 0, "nan": 0}
other = {}
for i in range(N):
    text = problem(rng)
    c = solve(f"p{i}c", text(False), [])
    for m in "FS":
        w = solve(f"p{i}{m}", text(True), ["--wedge", m])
        if w[3]: counts["nan"] += 1
        if c[0]:
            if w[1]: counts[f"{m}_incons_where_C_ok"] += 1; print("INCONSISTENT", m, i)
            elif not w[0]: other.setdefault(m + ":" + (w[2] or "no result"), []).append(i)
    if c[0]: counts["coulomb_ok"] += 1
print(counts)
for k, v in other.items(): print(k, len(v), v[:15])
