#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Builds a performance database whose catalogue is N times the sample one, for timing runs.

Every unit of the sample data comes N times (the copies named with a letter suffix, "-LQE-AB"),
with its datasheet and part-load rows; the grids and correction tables stay as they are. The file
is encrypted with the program's password and cipher settings, so keld-cli opens it:

    bench/scaled_catalogue.py 100 /tmp/keld-x100.tbs
    build/keld-cli select --database /tmp/keld-x100.tbs
    KELD_BENCH_DATABASE=/tmp/keld-x100.tbs build/keld_engine_raw_bench

The file is a measuring aid, not data to commit.
"""
import os
import string
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "data" / "tools"))
import generate_sql  # noqa: E402

PASSWORD = "#kantobripu#"


def copy_name(name, k):
    """The k-th copy of a model name; letters only, so no module code appears in the suffix."""
    if k == 0:
        return name
    letters = string.ascii_uppercase
    return "%s-%s%s" % (name, letters[k // 26 % 26], letters[k % 26])


def scaled_units(times):
    units = generate_sql.unit_rows()
    return [dict(u, name=copy_name(u["name"], k)) for k in range(times) for u in units]


def main():
    if len(sys.argv) != 3 or not sys.argv[1].isdigit() or int(sys.argv[1]) < 1:
        sys.exit("usage: scaled_catalogue.py TIMES OUTPUT.tbs")
    times, output = int(sys.argv[1]), Path(sys.argv[2])
    units = scaled_units(times)
    sql = "".join([generate_sql.unit_tables(units), generate_sql.grids_qtk(), generate_sql.grids_qhk(),
                   generate_sql.grids_qsk(), generate_sql.correction_tables(),
                   generate_sql.datasheet_table(units), generate_sql.part_load_tables(units)])
    settings = (ROOT / "data" / "cipher_settings.sql").read_text()
    if output.exists():
        output.unlink()
    with tempfile.NamedTemporaryFile("w", suffix=".sql", delete=False) as script:
        script.write("PRAGMA key = '%s';\n%sBEGIN;\n%sCOMMIT;\n" % (PASSWORD, settings, sql))
    try:
        subprocess.run(["sqlcipher", "-bail", "-batch", str(output)], stdin=open(script.name), check=True)
    finally:
        os.unlink(script.name)
    print("%s: %d units, %.1f MB" % (output, len(units), output.stat().st_size / 1e6))


if __name__ == "__main__":
    main()
