#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Two keld-serve copies behind HAProxy lose one under load.

Starts two copies of keld-serve and HAProxy with deploy/haproxy.cfg on free
loopback ports, runs wrk (16 connections, bounded in time) posting selections
through the balancer, stops one copy with SIGTERM half way through, and counts
the requests that failed: socket errors and answers other than 2xx. The goal,
and the test, is none.

With --compare it first measures the throughput of one copy alone and of two
behind HAProxy (the same load, nothing stopped) and prints both; the figures
are a benchmark, never asserted.

usage: failover_test.py KELD_SERVE HAPROXY_CFG WORK_DIR [--seconds N] [--compare]
"""
import argparse
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time

from serve_processes import free_ports, stop, wait_ready

CONNECTIONS = 16
THREADS = 2
# A typical duty: a screw heat pump on glycol, with a flow entered.
DUTY = {"compressor": "screw", "fluid": "glycol", "glycol": 20, "outlet": -2, "inlet": 3}


def wrk_script(work):
    path = os.path.join(work, "select.lua")
    with open(path, "w") as f:
        f.write('wrk.method = "POST"\n')
        f.write('wrk.headers["Content-Type"] = "application/json"\n')
        f.write(f"wrk.body = {json.dumps(json.dumps(DUTY))}\n")
    return path


def parse_wrk(output):
    """Requests, requests per second and failed requests from wrk's report."""
    requests = int(re.search(r"(\d+) requests in", output).group(1))
    rate = float(re.search(r"Requests/sec:\s+([\d.]+)", output).group(1))
    failed = 0
    errors = re.search(r"Socket errors: connect (\d+), read (\d+), write (\d+), timeout (\d+)", output)
    if errors:
        failed += sum(int(g) for g in errors.groups())
    non2xx = re.search(r"Non-2xx or 3xx responses: (\d+)", output)
    if non2xx:
        failed += int(non2xx.group(1))
    return requests, rate, failed


def run_wrk(port, script, seconds):
    command = ["wrk", "-t", str(THREADS), "-c", str(CONNECTIONS), "-d", f"{seconds}s", "--timeout", "5s",
               "-s", script, f"http://127.0.0.1:{port}/v1/select"]
    out = subprocess.run(command, capture_output=True, text=True, timeout=seconds + 30)
    if out.returncode != 0:
        raise RuntimeError(f"wrk failed: {out.stderr}")
    return out.stdout


class Deployment:
    """Two copies and the balancer, each stopped by its own pid."""

    def __init__(self, serve, config, work):
        self.lb, self.port1, self.port2 = free_ports(3)
        self.processes = []
        self.copies = [self._start([serve, "--listen", f"127.0.0.1:{p}"], p, f"keld-serve on {p}", work)
                       for p in (self.port1, self.port2)]
        env = dict(os.environ, KELD_LB_LISTEN=f"127.0.0.1:{self.lb}",
                   KELD_SERVE_1=f"127.0.0.1:{self.port1}", KELD_SERVE_2=f"127.0.0.1:{self.port2}")
        self.balancer = subprocess.Popen(["haproxy", "-db", "-f", config], env=env,
                                         stdout=subprocess.DEVNULL, stderr=open(os.path.join(work, "haproxy.log"), "w"))
        self.processes.append(self.balancer)
        wait_ready(self.lb, self.balancer, "haproxy")
        # Both copies pass their health checks before the load starts.
        time.sleep(1.5)

    def _start(self, command, port, name, work):
        log = open(os.path.join(work, f"serve-{port}.log"), "w")
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=log)
        self.processes.append(process)
        wait_ready(port, process, name)
        return process

    def close(self):
        for process in reversed(self.processes):
            stop(process)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("serve")
    parser.add_argument("config")
    parser.add_argument("work")
    parser.add_argument("--seconds", type=int, default=10)
    parser.add_argument("--compare", action="store_true")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)
    with tempfile.TemporaryDirectory(dir=args.work, prefix="failover-") as work:
        script = wrk_script(work)
        deployment = Deployment(args.serve, args.config, work)
        try:
            if args.compare:
                _, one, failed_one = parse_wrk(run_wrk(deployment.port1, script, args.seconds))
                _, two, failed_two = parse_wrk(run_wrk(deployment.lb, script, args.seconds))
                print(f"one copy: {one:.0f} requests/s ({failed_one} failed); "
                      f"two behind HAProxy: {two:.0f} requests/s ({failed_two} failed); ratio {two / one:.2f}")
            # One copy goes away half way through the load.
            victim = deployment.copies[1]
            timer = threading.Timer(args.seconds / 2, lambda: os.kill(victim.pid, signal.SIGTERM))
            timer.start()
            output = run_wrk(deployment.lb, script, args.seconds)
            timer.join()
            stopped = victim.wait(timeout=10)
        finally:
            deployment.close()
    requests, rate, failed = parse_wrk(output)
    print(output)
    print(f"failover: {requests} requests, {rate:.0f}/s, copy 2 stopped with exit code {stopped}, "
          f"{failed} failed")
    if requests == 0:
        print("no request went through the balancer", file=sys.stderr)
        return 1
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
