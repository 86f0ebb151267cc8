#!/usr/bin/env python3
"""Usage: grid_jump_scaling.py SOLVE_FILE
How far the one-foot grid moves a design tip where a cohesion jump lies between its points.
Anchored walls of sand over clay (c 368 psf in front and behind), each scaled in all its
lengths (and its cohesion) by 0.5 ... 4, and compared with the same wall scaled by 6 and 8,
where the grid is fine against the wall: the tip's departure, in feet, from the fine-grid
penetration per unit of scale times the scale."""
import os, re, subprocess, sys
SF = sys.argv[1]
D = os.environ.get("QUELDAR_CAMPAIGN_DIR", "/tmp/queldar-grid-jump")
os.makedirs(D, exist_ok=True)

def penetrations(name, top, anchor, rsand, lsand, c, s):
    S = lambda x: f"{x * s:.4f}"
    text = f"""'SAND OVER CLAY, SCALE {s}
CONTROL ANCHORED DESIGN 1.0 1.5
WALL {S(top)} {S(anchor)}
SURFACE RIGHTSIDE 1 0 {S(top)}
SURFACE LEFTSIDE 1 0 0
SOIL RIGHTSIDE STRENGTHS 2
 122 110 32 0 0 0 {S(rsand)} 0
 115 105 0 {c * s:.4f} 0 0
SOIL LEFTSIDE STRENGTHS 2
 122 110 32 0 0 0 {S(lsand)} 0
 115 105 0 {c * s:.4f} 0 0
FINISHED
"""
    path = os.path.join(D, f"{name}_{s}")
    open(path + ".dat", "w").write(text)
    subprocess.run([SF, "--answer-no", path + ".dat", path + ".out"], capture_output=True, timeout=600)
    out = open(path + ".out", errors="replace").read() if os.path.exists(path + ".out") else ""
    m = re.search(r"PENETRATION \(FT\)\s+:\s+([-\d.]+)\s+([-\d.]+)", out)
    return (float(m.group(1)), float(m.group(2))) if m else None

worst = [0.0, 0.0]
for rsand in (4.6, 2.2):
    for lsand in (-0.3, -0.6, -1.2, -1.7, -2.5):
        g = (f"r{rsand}_l{lsand}", 10, 8, rsand, lsand, 368)
        fine = [penetrations(*g, s) for s in (6, 8)]
        if None in fine:
            print(g[0], "no fine-grid solution")
            continue
        unit = [(fine[0][k] / 6 + fine[1][k] / 8) / 2 for k in (0, 1)]
        devs = []
        for s in (0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4):
            p = penetrations(*g, s)
            if p:
                devs.append([p[k] - s * unit[k] for k in (0, 1)])
        most = [max(abs(d[k]) for d in devs) for k in (0, 1)]
        worst = [max(worst[k], most[k]) for k in (0, 1)]
        print(f"{g[0]:14} per unit {unit[0]:5.2f} {unit[1]:5.2f}  largest tip move: free earth {most[0]:.2f} ft, fixed earth {most[1]:.2f} ft")
print(f"largest: free earth {worst[0]:.2f} ft, fixed earth {worst[1]:.2f} ft")
