#!/usr/bin/env python3
"""Usage: line_load_sensitivity.py [-P N] SOLVE_FILE
How far a design tip moves with the friction angle of the loaded layer when a line or a
strip load stands behind a wedge side. The wedge method takes a line load into the wedge
force whole once the failure line reaches it, so the force steps at the tip depth where
that happens (spread over the grid points around it by the fixed surface, over a few feet
by the sweep's trial lines), and that depth moves with phi and with the load's distance.
First an anchored wall of sand over clay behind and clay in front with a 4021 plf line load
11.5 ft behind it: its free earth tips at phi 27.4 / 29.4 / 31.4, then at phi 29.4 with the
load moved from 10.5 to 12.5 ft by 0.1 ft. Then anchored and cantilever walls (sand over
clay behind with clay in front, and sand on both sides), each without a load (the
baseline), with line loads and with strip loads 1 and 4 ft wide at several distances; phi
of the top layer behind the wall swept from 27 to 33 degrees by 0.1, every problem
designed by the fixed surface (--wedge F) and the sweep (--wedge S). Per case, method and
tip: the largest move of the tip (ft) over one step, the largest range over a 2-degree
window, and the largest move against the trend (the tip deepening as phi grows) within
2 degrees; designs refused are counted.
SOLVE_FILE is a Release build of solve_file, from a fresh clone:
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUELDAR_BENCH=OFF
  cmake --build build -j3 --target solve_file
  tools/campaign/line_load_sensitivity.py -P 3 build/bin/solve_file
N solves run at a time (default 3): one to two minutes at -P 3. Files go to
QUELDAR_CAMPAIGN_DIR (default /tmp/queldar-line-load)."""
import os, re, subprocess, sys
from concurrent.futures import ThreadPoolExecutor

args = sys.argv[1:]
jobs = 3
if len(args) >= 2 and args[0] == "-P":
    jobs = int(args[1])
    args = args[2:]
if len(args) != 1:
    sys.exit(__doc__)
SF = args[0]
D = os.environ.get("QUELDAR_CAMPAIGN_DIR", "/tmp/queldar-line-load")
os.makedirs(D, exist_ok=True)

PHIS = [round(27 + 0.1 * k, 1) for k in range(61)]
STEP, WINDOW = 0.1, 2.0

# Walls: (name, anchored, wall top, anchor, soil lines). The top layer behind the wall
# carries the load and takes the swept phi ({phi}); two surface points make it a wedge
# side, while the side in front keeps Coulomb's pressures. The dredge line is at 0.
WALLS = [
    ("anchored sand/clay", True, 18, 16.5,
     "SOIL RIGHTSIDE STRENGTHS 2\n 122 110 {phi} 0 0 0 3 0\n 115 105 0 900 0 0\n"
     "SOIL LEFTSIDE STRENGTHS 1\n 115 105 0 400 0 0\n"),
    ("cantilever sand/clay", False, 12, None,
     "SOIL RIGHTSIDE STRENGTHS 2\n 122 110 {phi} 0 0 0 0 0\n 115 105 0 900 0 0\n"
     "SOIL LEFTSIDE STRENGTHS 1\n 115 105 0 900 0 0\n"),
    ("anchored sand", True, 18, 16.5,
     "SOIL RIGHTSIDE STRENGTHS 1\n 122 110 {phi} 0 0 0\n"
     "SOIL LEFTSIDE STRENGTHS 1\n 122 110 32 0 0 0\n"),
    ("cantilever sand", False, 12, None,
     "SOIL RIGHTSIDE STRENGTHS 1\n 122 110 {phi} 0 0 0\n"
     "SOIL LEFTSIDE STRENGTHS 1\n 122 110 32 0 0 0\n"),
]
# Loads behind the wall: (kind, label, input line).
LOADS = [("none", "no load", "")]
for q in (2000, 4021):
    for d in (4, 8, 11.5, 15):
        LOADS.append(("line", f"line {q} plf at {d} ft", f"VERTICAL LINE RIGHTSIDE 1 {d} {q}\n"))
# Strips of about the larger line load's resultant, 1 and 4 ft wide.
for q, b in ((4000, 1), (1000, 4)):
    for d in (4, 8, 11.5):
        LOADS.append(("strip", f"strip {q} psf {d}-{d + b} ft",
                      f"VERTICAL STRIP RIGHTSIDE 1 {d} {d + b} {q}\n"))


def text(wall, phi, load):
    name, anchored, top, anchor, soil = wall
    return (f"'LINE LOAD SENSITIVITY, {name.upper()}, PHI {phi}\n"
            f"CONTROL {'ANCHORED' if anchored else 'CANTILEVER'} DESIGN 1.0 1.5\n"
            f"WALL {top}" + (f" {anchor}" if anchored else "") + "\n"
            f"SURFACE RIGHTSIDE 2 0 {top}\n 1000 {top}\nSURFACE LEFTSIDE 1 0 0\n"
            + soil.format(phi=phi) + load + "FINISHED\n")


def tips(job):
    """The design tips (free and fixed earth, or the cantilever's), or None when refused."""
    path, body, wedge = job
    open(path + ".dat", "w").write(body)
    if os.path.exists(path + ".out"):
        os.remove(path + ".out")
    subprocess.run([SF, "--answer-no", "--wedge", wedge, path + ".dat", path + ".out"],
                   capture_output=True, timeout=600)
    out = open(path + ".out", errors="replace").read() if os.path.exists(path + ".out") else ""
    m = re.search(r"WALL BOTTOM ELEVATION \(FT\)\s+:\s+([-\d.]+)\s+([-\d.]+)", out)
    if m:
        return (float(m.group(1)), float(m.group(2)))
    m = re.search(r"WALL BOTTOM ELEV\. \(FT\)\s+:\s+([-\d.]+)", out)
    return (float(m.group(1)),) if m else None


def solve_all(jobs_list):
    with ThreadPoolExecutor(jobs) as ex:
        return list(ex.map(tips, jobs_list))


def measures(xs, ts):
    """Largest move over one step, largest range and largest move against the trend within
    a window, over a sweep of tips ts (elevations) at the values xs (refused runs skipped)."""
    pts = [(x, t) for x, t in zip(xs, ts) if t is not None]
    step = max((abs(b[1] - a[1]) for a, b in zip(pts, pts[1:]) if b[0] - a[0] < STEP * 1.5), default=0)
    rng = rev = 0
    for i, (xi, ti) in enumerate(pts):
        inside = [t for x, t in pts[i:] if x - xi <= WINDOW + 1e-9]
        rng = max(rng, max(inside) - min(inside))
        rev = max(rev, ti - min(inside))
    return step, rng, rev


# The anchored wall of sand over clay with 4021 plf 11.5 ft behind it.
case_wall = WALLS[0]
case_load = "VERTICAL LINE RIGHTSIDE 1 {d} 4021\n"
print("anchored sand/clay, 4021 plf at 11.5 ft: free earth tips at phi 27.4 / 29.4 / 31.4")
for wedge in "FS":
    got = solve_all([(os.path.join(D, f"case_{phi}_{wedge}"),
                      text(case_wall, phi, case_load.format(d=11.5)), wedge) for phi in (27.4, 29.4, 31.4)])
    print(f"  {wedge}: " + " / ".join(f"{t[0]:.2f}" if t else "refused" for t in got))
dists = [round(10.5 + 0.1 * k, 1) for k in range(21)]
print("the same wall at phi 29.4, the load at 10.5 to 12.5 ft by 0.1 ft: largest tip move over 0.1 ft / range")
for wedge in "FS":
    got = solve_all([(os.path.join(D, f"dist_{d}_{wedge}"),
                      text(case_wall, 29.4, case_load.format(d=d)), wedge) for d in dists])
    refused = sum(t is None for t in got)
    for k, label in enumerate(("free earth", "fixed earth")):
        m = measures(dists, [t[k] if t else None for t in got])
        print(f"  {wedge} {label:11} {m[0]:5.2f} {m[1]:5.2f}" + (f"   {refused} refused" if refused else ""))

print(f"\nphi {PHIS[0]} to {PHIS[-1]} by {STEP}: largest tip move (ft) over one step / range over {WINDOW:g} degrees"
      f" / move against the trend within {WINDOW:g} degrees")
worst = {}
for wi, wall in enumerate(WALLS):
    for li, (kind, label, line) in enumerate(LOADS):
        for wedge in "FS":
            got = solve_all([(os.path.join(D, f"w{wi}_l{li}_{phi}_{wedge}"), text(wall, phi, line), wedge)
                             for phi in PHIS])
            refused = sum(t is None for t in got)
            cols = ("free earth", "fixed earth") if wall[1] else ("cantilever",)
            parts = []
            for k, tip in enumerate(cols):
                m = measures(PHIS, [t[k] if t else None for t in got])
                key = (wall[0], wedge, tip, kind)
                w = worst.get(key, [0, 0, 0, 0])
                worst[key] = [max(a, b) for a, b in zip(w, m)] + [w[3] + refused]
                parts.append(f"{tip} {m[0]:5.2f} {m[1]:5.2f} {m[2]:5.2f}")
            print(f"{wall[0]:20} {label:26} {wedge}  " + "   ".join(parts)
                  + (f"   {refused} refused" if refused else ""))

print("\nlargest per wall, method and tip: move over one step / range / against the trend, in ft;"
      " designs refused")
for (wall, wedge, tip, kind), m in worst.items():
    print(f"{wall:20} {wedge} {tip:11} {kind:5} {m[0]:5.2f} {m[1]:5.2f} {m[2]:5.2f}  {m[3]}")
