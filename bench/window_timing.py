#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times the window of build/keld on a real X server (a fresh Xvfb unless
DISPLAY is set): process start to the first painted window, database open included,
CALC on the page's defaults to the painted rows, and the request of the first
row's performance map to its painted charts (also as the processor time the
window's thread spent on it, which a busy machine does not stretch). Runs the program N times
(default 15) and prints the median and the range of each figure.

    bench/window_timing.py [BUILD_DIR] [N]

The program reads KELD_MEASURE_WINDOW, which only this script sets: it then
reports the moment of its first paint, the CALC and the map figures, and ends
at once.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    program = os.path.join(build, "keld")

    server = None
    env = dict(os.environ)
    if not env.get("DISPLAY"):
        # Xvfb writes its display number to the pipe once it takes clients.
        ready, ready_w = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(ready_w), "-screen", "0", "1280x800x24",
                                   "-nolisten", "tcp"], pass_fds=(ready_w,),
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(ready_w)
        with os.fdopen(ready) as display:
            env["DISPLAY"] = ":" + display.readline().strip()
    env.pop("QT_QPA_PLATFORM", None)
    env["KELD_MEASURE_WINDOW"] = "1"

    first_paint, calc, map_paint, map_processor = [], [], [], []
    try:
        with tempfile.TemporaryDirectory() as runtime:
            env["XDG_RUNTIME_DIR"] = runtime
            for _ in range(runs):
                started = time.clock_gettime(time.CLOCK_MONOTONIC)
                out = subprocess.run([program], env=env, capture_output=True, text=True, check=True).stdout
                figures = dict(line.split() for line in out.splitlines())
                first_paint.append((float(figures["first-paint-monotonic"]) - started) * 1000)
                calc.append(float(figures["calc-to-painted-rows-ms"]))
                map_paint.append(float(figures["map-to-painted-ms"]))
                map_processor.append(float(figures["map-to-painted-processor-ms"]))
    finally:
        if server:
            server.terminate()
            server.wait()

    for name, values in (("process start to first painted window", first_paint),
                         ("CALC to painted rows", calc),
                         ("performance map request to painted charts", map_paint),
                         ("  of it the window's own processor time", map_processor)):
        print(f"{name}: median {statistics.median(values):.1f} ms "
              f"(min {min(values):.1f}, max {max(values):.1f}, {len(values)} runs)")


if __name__ == "__main__":
    main()
