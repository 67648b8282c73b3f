#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs `keld-cli select --json` of two builds over the same duties and reports every difference.

A change meant to make the engine faster must not move one digit of a selection. This runs a few
hundred duties across the three series, both brands, water and glycol, heating duties, odd ambients
and leaving waters (points outside the grids and envelopes included), with two keld-cli programs,
and compares standard output, standard error and exit status line for line.

    bench/compare_select.py OLD/keld-cli build/keld-cli            # each with the database beside it
    bench/compare_select.py OLD/keld-cli build/keld-cli --database big.tbs --count 50

Exit status 0 when every duty gave the same output, 1 otherwise.
"""
import argparse
import random
import subprocess
import sys

# (launch text, compressor): the QTK run for either brand, the QHK heat pump for the first
# brand's screw, the GV5 chiller for BREXAL's screw; launch digits that change small behaviours.
SERIES = [("", "centrifugal"), ("BREXAL", "centrifugal"), ("", "screw"), ("BREXAL", "screw"),
          ("14BREXAL", "screw"), ("10", "centrifugal"), ("04", "screw"), ("14", "centrifugal")]


def pick(rng, values):
    return str(rng.choice(values))


def duty(rng):
    """One duty as keld-cli options; values in and beyond the ranges the page accepts. Every other
    duty keeps to the conditions where units are usually listed."""
    if rng.random() < 0.5:
        return usual_duty(rng)
    launch, compressor = rng.choice(SERIES)
    args = ["--compressor", compressor]
    if launch:
        args = ["--launch", launch] + args
    screw = compressor == "screw"
    glycol = screw and rng.random() < 0.35
    if glycol:
        args += ["--fluid", "glycol", "--glycol", pick(rng, [10, 15, 20, 25, 30, 40])]
    if rng.random() < 0.15:
        args += ["--standard", pick(rng, ["ahri", "gb"])]
    args += ["--cooling-capacity", pick(rng, [150, 300, 420, 500, 640, 800, 1000, 1250, 1600, 2500])]
    if rng.random() < 0.6:
        args += ["--tolerance", pick(rng, [0, 5, 10, 15, 25, 40])]
    if rng.random() < 0.8:
        args += ["--ambient", pick(rng, [-10, -5, 0, 12.5, 20, 27.3, 30, 35, 38.5, 41, 43.7, 46, 52])]
    outlets = [-4, -2, 0, 2, 3.5] if glycol else [4, 5, 6.5, 7, 8.25, 9, 11, 14, 20]
    outlet = rng.choice(outlets)
    if rng.random() < 0.85:
        args += ["--outlet", str(outlet)]
    if rng.random() < 0.3:
        args += ["--flow", pick(rng, [8, 12.5, 17, 22.07, 30, 45, 70])]
    elif rng.random() < 0.7:
        args += ["--inlet", str(outlet + rng.choice([2, 3.5, 5, 6, 8]))]
    if rng.random() < 0.4:
        args += ["--fouling", pick(rng, [0, 0.018, 0.03, 0.044, 0.086, 0.1, 0.132])]
    if rng.random() < 0.4:
        args += ["--altitude", pick(rng, [0, 250, 500, 1000, 1500, 1800])]
    if screw and not launch.endswith("BREXAL") and rng.random() < 0.6:
        args += ["--heating-capacity", pick(rng, [300, 500, 800, 1200])]
        args += ["--heating-ambient", pick(rng, [-15, -7, 0, 7, 12.5, 20])]
        heating_outlet = rng.choice([30, 40, 45, 48.5, 55])
        args += ["--heating-outlet", str(heating_outlet)]
        if rng.random() < 0.3:
            args += ["--heating-flow", pick(rng, [10, 20, 30, 50])]
        else:
            args += ["--heating-inlet", str(heating_outlet - rng.choice([3, 5, 7]))]
    return args


def usual_duty(rng):
    launch, compressor = rng.choice(SERIES)
    args = ["--launch", launch] if launch else []
    args += ["--compressor", compressor, "--cooling-capacity", pick(rng, [350, 460, 500, 620, 800, 950, 1200])]
    args += ["--tolerance", pick(rng, [15, 25, 40]), "--ambient", pick(rng, [25, 29.5, 32, 35, 37.25, 40])]
    if compressor == "screw" and rng.random() < 0.4:
        outlet = rng.choice([-3, 1, 2.5, 5, 7])
        args += ["--fluid", "glycol", "--glycol", pick(rng, [20, 25, 35])]
    else:
        outlet = rng.choice([5, 6, 7, 7.5, 8, 10])
    args += ["--outlet", str(outlet)]
    if rng.random() < 0.3:
        args += ["--flow", pick(rng, [18, 22.07, 26.5, 33, 41])]
    else:
        args += ["--inlet", str(outlet + rng.choice([4, 5, 5.5, 6]))]
    args += ["--fouling", pick(rng, [0.018, 0.044]), "--altitude", pick(rng, [0, 300, 900])]
    return args


def without_members(stdout, names):
    """The output with the named top-level members taken out, byte for byte otherwise: for comparing
    with a build that did not write them yet (the members are cut from their line to the next
    member's, and the comma that led into them goes too)."""
    lines = stdout.split("\n")
    kept = []
    skipping = False
    for line in lines:
        member = line.startswith('  "')
        if member:
            skipping = any(line.startswith('  "%s": ' % name) for name in names)
            if skipping and kept and kept[-1].endswith(","):
                kept[-1] = kept[-1][:-1]
        elif line.startswith("}"):
            skipping = False
        if not skipping:
            kept.append(line)
    return "\n".join(kept)


def run(cli, args, database):
    command = [cli, "select"] + args + ["--json"]
    if database:
        command += ["--database", database]
    done = subprocess.run(command, capture_output=True, text=True, check=False)
    return done.returncode, done.stdout, done.stderr


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("old_cli")
    parser.add_argument("new_cli")
    parser.add_argument("--database", help="database for both (default: each program's own)")
    parser.add_argument("--count", type=int, default=400)
    parser.add_argument("--seed", type=int, default=10)
    parser.add_argument("--ignore-members", default="",
                        help="top-level members the new build adds, left out of the comparison "
                             "(comma-separated: figures,corrections)")
    options = parser.parse_args()
    ignored = [name for name in options.ignore_members.split(",") if name]

    rng = random.Random(options.seed)
    duties = [[]] + [duty(rng) for _ in range(options.count)]
    differing = 0
    kinds = {"rows": 0, "messages": 0, "usage": 0}
    for args in duties:
        old = run(options.old_cli, args, options.database)
        new = run(options.new_cli, args, options.database)
        if ignored:
            new = (new[0], without_members(new[1], ignored), new[2])
        if old[0] == 2:
            kinds["usage"] += 1
        elif '"rows": []' not in old[1]:
            kinds["rows"] += 1
        if '"messages": []' not in old[1]:
            kinds["messages"] += 1
        if old != new:
            differing += 1
            print("DIFFERS: keld-cli select " + " ".join(args) + " --json")
            for label, a, b in (("exit", old[0], new[0]), ("stdout", old[1], new[1]), ("stderr", old[2], new[2])):
                if a != b:
                    print("  %s\n    old: %s\n    new: %s" % (label, repr(a)[:2000], repr(b)[:2000]))
    print("%d duties (%d with rows, %d with messages, %d refused as usage), %d differ"
          % (len(duties), kinds["rows"], kinds["messages"], kinds["usage"], differing))
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
