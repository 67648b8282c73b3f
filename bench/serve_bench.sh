#!/bin/sh
# Throughput and latency of keld-serve's POST /v1/select under wrk (32
# connections, 10 s, loopback), then one connection alone: its mean latency is
# one request's time, to set against the in-process selection of
# build/keld_serve_bench (the same duty).
#
#   bench/serve_bench.sh [BUILD] [THREADS]       (defaults: build, one per core)
set -eu
build=${1:-build}
threads=${2:-$(nproc)}
root=$(cd "$(dirname "$0")/.." && pwd)
port=18780
"$build/keld-serve" --listen 127.0.0.1:$port --threads "$threads" 2>/dev/null &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
sleep 1
echo "--- 32 connections, $threads worker threads"
wrk -t2 -c32 -d10s --latency -s "$root/bench/serve_select.lua" http://127.0.0.1:$port/v1/select
echo "--- 1 connection: one request's time"
wrk -t1 -c1 -d5s --latency -s "$root/bench/serve_select.lua" http://127.0.0.1:$port/v1/select
