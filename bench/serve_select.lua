-- wrk script for keld-serve's POST /v1/select: one screw duty, a selection
-- that lists units. Run it as bench/serve_bench.sh does.
wrk.method = "POST"
wrk.body = '{"compressor": "screw", "cooling-capacity": 500, "ambient": 35, "outlet": 7}'
wrk.headers["Content-Type"] = "application/json"
