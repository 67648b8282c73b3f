# SPDX-License-Identifier: MIT
"""Starting and stopping the processes a service test runs on loopback: free
ports, waiting for /readyz, and stopping a process by its own pid."""
import os
import signal
import socket
import subprocess
import time
import urllib.request

WAIT_S = 20


def free_ports(n):
    """n loopback ports free at the moment of asking, all different."""
    sockets = []
    try:
        for _ in range(n):
            s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            s.bind(("127.0.0.1", 0))
            sockets.append(s)
        return [s.getsockname()[1] for s in sockets]
    finally:
        for s in sockets:
            s.close()


def wait_ready(port, process, name):
    """Waits until GET /readyz on the port answers 200; raises when the process
    ends first or WAIT_S pass."""
    deadline = time.monotonic() + WAIT_S
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise RuntimeError(f"{name} ended with {process.returncode} before it was ready")
        try:
            with urllib.request.urlopen(f"http://127.0.0.1:{port}/readyz", timeout=2) as r:
                if r.status == 200:
                    return
        except OSError:
            time.sleep(0.1)
    raise RuntimeError(f"{name} was not ready in time")


def stop(process):
    """SIGTERM, then SIGKILL after 10 s."""
    if process.poll() is None:
        os.kill(process.pid, signal.SIGTERM)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            os.kill(process.pid, signal.SIGKILL)
            process.wait()
