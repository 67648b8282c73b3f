#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""POST /v1/select of keld-serve answers each duty of bench/compare_select.py with exactly the bytes
`keld-cli select --json` prints for it: 200 where keld-cli exits 0, 500 where an error marred the run
(exit 1), 400 with keld-cli's own text where it refuses the options (exit 2).

    tests/serve/select_equals_cli.py build/keld-serve build/keld-cli --count 60
"""
import argparse
import http.client
import json
import os
import random
import re
import signal
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench"))
import compare_select  # noqa: E402  (the duties, shared with the comparison of two builds)

STATUS_OF_EXIT = {0: 200, 1: 500, 2: 400}


def request_of(args):
    """The options of a keld-cli argument list as the JSON members of a request."""
    return {args[i][2:]: args[i + 1] for i in range(0, len(args), 2)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("serve")
    parser.add_argument("cli")
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--seed", type=int, default=19)
    options = parser.parse_args()

    server = subprocess.Popen([options.serve, "--listen", "127.0.0.1:0", "--threads", "2"],
                              stderr=subprocess.PIPE, text=True)
    try:
        first = server.stderr.readline()
        port = int(re.search(r"listening on 127\.0\.0\.1:(\d+)", first).group(1))
        connection = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
        rng = random.Random(options.seed)
        duties = [[]] + [compare_select.duty(rng) for _ in range(options.count)]
        differing = 0
        for args in duties:
            cli = subprocess.run([options.cli, "select"] + args + ["--json"], capture_output=True, text=True,
                                 check=False, timeout=60)
            connection.request("POST", "/v1/select", body=json.dumps(request_of(args)),
                               headers={"Content-Type": "application/json"})
            reply = connection.getresponse()
            body = reply.read().decode("utf-8")
            expected_status = STATUS_OF_EXIT[cli.returncode]
            if cli.returncode == 2:
                same = reply.status == 400 and cli.stderr.startswith("keld-cli: " + json.loads(body)["error"] + "\n")
            else:
                same = reply.status == expected_status and body == cli.stdout
            if not same:
                differing += 1
                print("differs: %s (keld-cli exit %d, service %d)" % (" ".join(args), cli.returncode, reply.status))
        print("%d duties, %d differing" % (len(duties), differing))
        return 1 if differing else 0
    finally:
        server.send_signal(signal.SIGTERM)
        try:
            server.wait(timeout=20)
        except subprocess.TimeoutExpired:
            server.kill()
            server.wait()


if __name__ == "__main__":
    sys.exit(main())
