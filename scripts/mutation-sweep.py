#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mutation sweep over the selection rules.

Every comparison operator and every decimal constant of the rule files is
changed by one step (< and <=, > and >=, == and !=, a constant's last digit
plus and minus one), one change at a time, in a clean clone of a commit with a
build folder of its own. Each mutant is built incrementally and the tests that
exercise the rules run, the fast strong ones first, stopping at the first
failure. A mutant that no test notices is a survivor: a test at that limit is
missing, or the change cannot alter any output (then tests/mutation-equivalents.txt
says why).

Results go to a JSON-lines file (one object per mutant run, appended), so that
runs by folder add up and a stopped run resumes where it stopped; the report
tests/mutation-report.md is rendered from them.

    scripts/mutation-sweep.py --list [--folder src/db] [--file src/db/significant.cpp]
    scripts/mutation-sweep.py [--folder F]... [--file F]... [--commit C]
    scripts/mutation-sweep.py --only ID [--only ID]...
    scripts/mutation-sweep.py --report

Python 3 standard library only. The work tree it is run from is never written,
except for the report when --report or a run renders it (--report-out).
"""

import argparse
import dataclasses
import datetime
import hashlib
import json
import os
import re
import shutil
import subprocess
import sys
import time
from pathlib import Path

# The rule files by folder: every .cpp and .h of the engine and the
# selection; the reports folder contributes only the certification notes
# and the text encoding, the database layer only its lookups, the base only
# the significant-figure rules.
RULE_FOLDERS = {
    "src/engine": None,
    "src/selection": None,
    "src/base": ["significant.cpp", "significant_rounding.cpp"],
    "src/db": [
        "grid_lookup.cpp",
        "key_lookup.cpp",
        "lookups.h",
        "oat_axis.cpp",
    ],
    "src/reports": ["certification_notes.cpp", "text_encoding.cpp"],
}

# Figures that are data rather than rules: tables of catalogue figures and
# code points (each checked whole by its own tests) and the drawing positions
# of the notes. Their numbers are left alone; the comparisons around them are
# not. A file maps to (pattern of the excluded lines or of the declaration
# whose braces are excluded, why).
DATA_LINES = {
    "src/engine/module_table.cpp": (
        r"constexpr std::array<ModuleRating",
        "rated figures of the modules: catalogue data",
    ),
    "src/reports/text_encoding.cpp": (
        r"constexpr std::array<char32_t, 32> kWinAnsiHighControls",
        "the WinAnsi code page's table of characters",
    ),
    "src/reports/certification_notes.cpp": (
        r"pitch|show_xy|kCombinedUnitModels|float y = 0;",
        "positions of the notes on the page and the list of combined models",
    ),
}

# Whole files of numbers that name things rather than set limits.
EXCLUDED_FILES = {
    "src/selection/page/page_controls.h": "identifiers of the page's controls",
    "src/selection/result_columns.h": "the result list's column indexes, widths and captions",
}

# The test groups, in the order they run: the fast strong ones first. Each is
# the tests of one program of the suite. The ui, app and cli tests are left
# out: the windows only show what the core computes, and every cli case starts
# keld-cli on the shipped database, while the selection and reports tests
# drive the same rules on fixtures where the limits are set. The session tests
# run last: they hold what reaches a request's answer beyond the list.
TEST_GROUPS = {
    "db": ["keld_db_tests"],
    "engine": ["keld_engine_tests"],
    "selection": ["keld_selection_tests"],
    "selection_seeds": ["edit_numbers_seeds", "launch_text_seeds", "connect_seeds", "flow_texts_seeds"],
    "significant_seeds": ["significant_seeds"],
    "data": ["keld_data_tests"],
    "reports": ["keld_reports_tests"],
    "text_encoding_seeds": ["text_encoding_seeds"],
    "session": ["keld_session_tests"],
}

FOLDER_TESTS = {
    "src/engine": ["engine", "selection", "selection_seeds", "reports", "session"],
    "src/selection": ["selection", "selection_seeds", "reports", "session"],
    "src/selection/page": ["selection", "selection_seeds", "reports", "session"],
    "src/base": ["db", "significant_seeds", "selection", "reports", "session"],
    "src/db": ["db", "significant_seeds", "selection", "data", "reports"],
    "src/reports": ["text_encoding_seeds", "reports"],
}

COMPARISON_SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
# Longest first, so that "<<=" is one token and never read as "<" then "<=".
OPERATORS = ["<=>", "<<=", ">>=", "<<", ">>", "->", "<=", ">=", "==", "!=", "<", ">"]
SKIPPED_OPERATORS = {"<=>", "<<=", ">>=", "<<", ">>", "->"}
STRING_PREFIXES = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"}
NUMBER_SUFFIX = re.compile(r"[uUlLfF]*$")

REPO = Path(__file__).resolve().parent.parent
DEFAULT_SCRATCH = Path("/work/mutation-scratch")
BUILD_LOCK = "/tmp/keld-build.lock"


@dataclasses.dataclass
class Mutant:
    file: str  # path in the repository
    line: int  # 1-based
    col: int  # 1-based, of the token
    original: str
    mutant: str
    line_text: str
    occurrence: int  # index of this token text among equal ones on the line

    @property
    def key(self):
        return f"{self.file}|{self.line_text.strip()}|{self.occurrence}|{self.original}->{self.mutant}"

    @property
    def id(self):
        return hashlib.sha1(self.key.encode()).hexdigest()[:8]

    @property
    def change(self):
        return f"{self.original} -> {self.mutant}"

    @property
    def folder(self):
        return str(Path(self.file).parent)


# ---------------------------------------------------------------- the lexer


def code_tokens(text):
    """Yields (offset, token) for the operators and decimal numbers of C++
    text outside comments, string and character literals and preprocessor
    lines."""
    i, n = 0, len(text)
    line_start = True  # only blanks since the last newline
    while i < n:
        c = text[i]
        if c == "\n":
            line_start = True
            i += 1
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if line_start and c == "#":
            # A preprocessor line, with its continuations.
            while i < n and text[i] != "\n":
                i += 2 if text[i] == "\\" and i + 1 < n else 1
            continue
        line_start = False
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
            continue
        if c == '"':
            i = skip_quoted(text, i, '"')
            continue
        if c == "'":
            i = skip_quoted(text, i, "'")
            continue
        if c.isalpha() or c == "_":
            j = i
            while j < n and (text[j].isalnum() or text[j] == "_"):
                j += 1
            word = text[i:j]
            if j < n and text[j] == '"' and word in STRING_PREFIXES:
                i = skip_raw(text, j) if word.endswith("R") else skip_quoted(text, j, '"')
            elif j < n and text[j] == "'" and word in STRING_PREFIXES:
                i = skip_quoted(text, j, "'")
            else:
                i = j
            yield None, word  # identifiers: context for the next token only
            continue
        if c.isdigit() or (c == "." and i + 1 < n and text[i + 1].isdigit()):
            j = i + 1
            while j < n:
                if text[j] in "eEpP" and j + 1 < n and text[j + 1] in "+-":
                    j += 2
                elif text[j].isalnum() or text[j] in "._'":
                    j += 1
                else:
                    break
            yield i, text[i:j]
            i = j
            continue
        for op in OPERATORS:
            if text.startswith(op, i):
                yield i, op
                i += len(op)
                break
        else:
            yield i, c
            i += 1


def skip_quoted(text, i, quote):
    j = i + 1
    while j < len(text) and text[j] != quote and text[j] != "\n":
        j += 2 if text[j] == "\\" else 1
    return j + 1


def skip_raw(text, i):
    # R"delim( ... )delim"
    open_paren = text.find("(", i)
    delimiter = text[i + 1 : open_paren]
    end = text.find(")" + delimiter + '"', open_paren)
    return len(text) if end < 0 else end + len(delimiter) + 2


def number_mutants(literal):
    """The literal with its last digit one up and one down, keeping its form."""
    lower = literal.lower()
    if "'" in literal or lower.startswith("0b"):
        return []
    if lower.startswith("0x"):
        body = re.match(r"0[xX][0-9a-fA-F]+", literal).group(0)
        suffix = literal[len(body) :]
        digits = body[2:]
        out = []
        for step in (1, -1):
            value = int(digits, 16) + step
            if value >= 0:
                text = format(value, "X" if digits.isupper() or digits.isdigit() else "x").zfill(len(digits))
                out.append(body[:2] + text + suffix)
        return out
    suffix = NUMBER_SUFFIX.search(literal).group(0)
    body = literal[: len(literal) - len(suffix)]
    exponent_at = body.lower().rfind("e")
    if exponent_at >= 0:
        head, exponent = body[: exponent_at + 1], body[exponent_at + 1 :]
        sign = exponent[0] if exponent[0] in "+-" else ""
        digits = exponent[len(sign) :]
        out = []
        for step in (1, -1):
            value = int(digits) + step
            if value >= 0:
                out.append(head + sign + str(value).zfill(len(digits)) + suffix)
        return out
    if not re.fullmatch(r"\d*\.?\d*", body) or not any(ch.isdigit() for ch in body):
        return []
    if "." not in body and body.startswith("0") and len(body) > 1:
        return []  # an octal literal
    point = body.find(".")
    decimals = 0 if point < 0 else len(body) - point - 1
    digits = body.replace(".", "")
    out = []
    for step in (1, -1):
        value = int(digits) + step
        text = str(abs(value)).zfill(len(digits))
        if point >= 0:
            whole = text[: len(text) - decimals].lstrip("0") or ("0" if point > 0 else "")
            text = whole + "." + text[len(text) - decimals :]
        else:
            text = text.lstrip("0") or "0"
        text += suffix
        out.append(f"(-{text})" if value < 0 else text)
    return out


def data_line_numbers(path, lines):
    """0-based indexes of the lines whose numbers are data (DATA_LINES)."""
    if path not in DATA_LINES:
        return set()
    pattern = re.compile(DATA_LINES[path][0])
    excluded = set()
    index = 0
    while index < len(lines):
        if pattern.search(lines[index]):
            excluded.add(index)
            if lines[index].rstrip().endswith("{{") or lines[index].rstrip().endswith("= {"):
                while index + 1 < len(lines) and not lines[index].rstrip().endswith("};"):
                    index += 1
                    excluded.add(index)
        index += 1
    return excluded


def find_mutants(repo_root, path):
    text = (repo_root / path).read_text(encoding="utf-8")
    lines = text.split("\n")
    line_starts = [0]
    for line in lines:
        line_starts.append(line_starts[-1] + len(line) + 1)
    mutants = []
    previous = None
    data_lines = data_line_numbers(path, lines)
    tokens = list(code_tokens(text))
    seen = {}
    for index, (offset, token) in enumerate(tokens):
        if offset is None:
            previous = token
            continue
        line_index = bisect_right(line_starts, offset) - 1
        col = offset - line_starts[line_index]
        line_text = lines[line_index]
        changes = []
        if token in COMPARISON_SWAPS and previous != "operator":
            if token in "<>":
                # A comparison stands between blanks; a template's brackets do not.
                before = line_text[col - 1] if col > 0 else " "
                after = line_text[col + 1] if col + 1 < len(line_text) else " "
                if before == " " and after == " ":
                    changes = [COMPARISON_SWAPS[token]]
            else:
                changes = [COMPARISON_SWAPS[token]]
        elif (token[0].isdigit() or token[0] == ".") and line_index not in data_lines:
            changes = number_mutants(token)
        for change in changes:
            occurrence_key = (line_index, token, change)
            occurrence = seen.get(occurrence_key, 0)
            seen[occurrence_key] = occurrence + 1
            mutants.append(Mutant(path, line_index + 1, col + 1, token, change, line_text, occurrence))
        previous = token
    return mutants


def bisect_right(values, x):
    lo, hi = 0, len(values)
    while lo < hi:
        mid = (lo + hi) // 2
        if x < values[mid]:
            hi = mid
        else:
            lo = mid + 1
    return lo


def rule_files(repo_root):
    files = []
    for folder, names in RULE_FOLDERS.items():
        directory = repo_root / folder
        if not directory.is_dir():
            continue
        if names is None:  # the whole folder, its subfolders (the page's) included
            names = sorted(str(p.relative_to(directory)) for p in directory.rglob("*") if p.suffix in (".cpp", ".h"))
        files += [
            f"{folder}/{name}"
            for name in names
            if (directory / name).is_file() and f"{folder}/{name}" not in EXCLUDED_FILES
        ]
    return files


def all_mutants(repo_root):
    mutants = []
    for path in rule_files(repo_root):
        mutants += find_mutants(repo_root, path)
    return mutants


# ---------------------------------------------------------------- equivalents


def read_equivalents(path):
    """Blocks of 'file:', 'line:', 'change:' and 'why:' (the reason may go on
    over indented lines), and 'occurrence:' where the line holds the changed
    token more than once, separated by blank lines; '#' starts a comment line."""
    entries = []
    if not path.exists():
        return entries
    block = {}
    last = None
    for raw in path.read_text(encoding="utf-8").split("\n") + [""]:
        if raw.startswith("#"):
            continue
        if not raw.strip():
            if block:
                entries.append(block)
            block, last = {}, None
            continue
        if raw[:1] in " \t" and last:
            block[last] += " " + raw.strip()
            continue
        field, _, value = raw.partition(":")
        last = field.strip()
        block[last] = value.strip()
    for entry in entries:
        for field in ("file", "line", "change", "why"):
            if field not in entry:
                sys.exit(f"{path}: an entry lacks '{field}': {entry}")
    return entries


def equivalence_reason(mutant, entries):
    for entry in entries:
        if (
            entry["file"] == mutant.file
            and entry["line"] == mutant.line_text.strip()
            and entry["change"] == mutant.change
            and entry.get("occurrence", str(mutant.occurrence)) == str(mutant.occurrence)
        ):
            return entry["why"]
    return None


# ---------------------------------------------------------------- results


def read_results(path):
    latest = {}
    if path.exists():
        for line in path.read_text(encoding="utf-8").splitlines():
            if line.strip():
                record = json.loads(line)
                latest[record["id"]] = record
    return latest


def append_result(path, record):
    path.parent.mkdir(parents=True, exist_ok=True)
    with path.open("a", encoding="utf-8") as out:
        out.write(json.dumps(record, ensure_ascii=False) + "\n")
        out.flush()
        os.fsync(out.fileno())


# ---------------------------------------------------------------- scratch build


def run(command, **kwargs):
    return subprocess.run(command, check=True, **kwargs)


def git_head(repo, commit="HEAD"):
    return subprocess.run(
        ["git", "-C", str(repo), "rev-parse", commit], check=True, capture_output=True, text=True
    ).stdout.strip()


def prepare_scratch(scratch, commit):
    source = scratch / "src"
    if not (source / ".git").exists():
        run(["git", "clone", "--quiet", "--no-checkout", str(REPO), str(source)])
    run(["git", "-C", str(source), "fetch", "--quiet", str(REPO), commit])
    run(["git", "-C", str(source), "checkout", "--quiet", "--force", "--detach", commit])
    run(["git", "-C", str(source), "clean", "--quiet", "-fdx"])
    build = scratch / "build"
    if not (build / "build.ninja").exists():
        # Speed over debugging: no benchmarks, no debug information, light
        # optimisation (the tests stay fast, the compiles cheap).
        flags = "-O1 -DNDEBUG"
        # Every mutant relinks the test programs; lld does it in a fraction
        # of the time the default linker takes.
        linker = ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"] if shutil.which("ld.lld") else []
        run(
            [
                "cmake", "-S", str(source), "-B", str(build), "-G", "Ninja",
                "-DCMAKE_BUILD_TYPE=Release",
                f"-DCMAKE_CXX_FLAGS_RELEASE={flags}", f"-DCMAKE_C_FLAGS_RELEASE={flags}",
                "-DKELD_BENCHMARKS=OFF", "-DKELD_FUZZ=OFF",
                "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache",
                *linker,
            ],
            stdout=subprocess.DEVNULL,
        )
    return source, build


def build_targets(build, targets, log):
    command = ["flock", BUILD_LOCK, "nice", "-n", "10", "cmake", "--build", str(build), "--target", *targets]
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
    if result.returncode != 0:
        log.write(result.stdout[-3000:] + "\n")
    return result.returncode == 0


def group_patterns(build):
    """A ctest name pattern per test group, from the programs ctest runs."""
    shown = subprocess.run(
        ["ctest", "--test-dir", str(build), "--show-only=json-v1"], check=True, capture_output=True, text=True
    ).stdout
    # A parameterised test's name may end in "  # GetParam() = " and the
    # parameter's bytes, pointers included, which change with every link:
    # the pattern names each test by what comes before.
    suites = {}
    for test in json.loads(shown)["tests"]:
        program = Path(test.get("command", [""])[0]).name
        suites.setdefault(program, set()).add(re.escape(test["name"].split("  # ")[0]))
    patterns = {}
    for group, programs in TEST_GROUPS.items():
        names = sorted(set().union(*(suites.get(p, set()) for p in programs)))
        if names:
            patterns[group] = "^(" + "|".join(names) + ")(  #.*)?$"
    return patterns


def run_group(build, pattern, timeout, log):
    """None when every test of the group passes, else the first failing test
    (a timeout fails)."""
    command = [
        "nice", "-n", "10", "ctest", "--test-dir", str(build), "--stop-on-failure", "--timeout", str(timeout),
        "--output-on-failure", "-R", pattern,
    ]
    # A mutant may make a test print any bytes.
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, errors="replace")
    if result.returncode == 0:
        return None
    log.write(result.stdout[-3000:] + "\n")
    failed = re.findall(r"^\s+\d+ - (.+) \(([^()]*)\)$", result.stdout, re.M)
    if failed:
        name, outcome = failed[0]
        return name.split("  # ")[0] + (" (timeout)" if "Timeout" in outcome else "")
    return "ctest failed"


def run_mutant(mutant, source, build, patterns, timeout, log):
    path = source / mutant.file
    original = path.read_bytes()
    lines = original.decode("utf-8").split("\n")
    line = lines[mutant.line - 1]
    col = mutant.col - 1
    assert line[col : col + len(mutant.original)] == mutant.original, (mutant.id, line)
    lines[mutant.line - 1] = line[:col] + mutant.mutant + line[col + len(mutant.original) :]
    log.write(f"=== {mutant.id} {mutant.file}:{mutant.line} {mutant.change}\n")
    start = time.monotonic()
    status, killer = "survived", None
    try:
        path.write_bytes("\n".join(lines).encode("utf-8"))
        # Each group's programs are built when its turn comes: a mutant of a
        # header that the first group kills spares compiling everything else
        # that includes the header.
        for group in [g for g in FOLDER_TESTS[mutant.folder] if g in patterns]:
            if not build_targets(build, TEST_GROUPS[group], log):
                status = "stillborn"
                break
            killer = run_group(build, patterns[group], timeout, log)
            if killer:
                status = "killed"
                break
    finally:
        path.write_bytes(original)
    return status, killer, time.monotonic() - start


def baseline(build, folders, patterns, timeout, log):
    groups = []
    for folder in folders:
        groups += [g for g in FOLDER_TESTS[folder] if g in patterns and g not in groups]
    targets = [t for g in groups for t in TEST_GROUPS[g]]
    if not build_targets(build, targets, log):
        sys.exit("the unchanged commit does not build; see the log")
    for group in groups:
        failed = run_group(build, patterns[group], 600, log)
        if failed:
            sys.exit(f"the unchanged commit fails {failed}; a sweep needs a passing suite")


# ---------------------------------------------------------------- report


def percent(part, whole):
    return f"{100.0 * part / whole:.1f} %" if whole else "–"


def render_report(mutants, results, equivalents, commit, out):
    folders = {}
    survivors = []
    not_run = 0
    seconds = []
    commits = set()
    for mutant in mutants:
        counts = folders.setdefault(
            mutant.folder, {"mutants": 0, "stillborn": 0, "killed": 0, "survived": 0, "equivalent": 0, "not run": 0}
        )
        counts["mutants"] += 1
        record = results.get(mutant.id)
        if record is None:
            counts["not run"] += 1
            not_run += 1
            continue
        commits.add(record["commit"][:12])
        seconds.append(record["seconds"])
        status = record["status"]
        if status == "survived":
            reason = equivalence_reason(mutant, equivalents)
            if reason:
                counts["equivalent"] += 1
                survivors.append((mutant, "equivalent", reason))
            else:
                counts["survived"] += 1
                survivors.append((mutant, "survived", ""))
        else:
            counts[status] += 1
    today = datetime.date.today().isoformat()
    lines = [
        "# Mutation sweep of the selection rules",
        "",
        f"Date: {today}. Commit: {commit[:12]} (results taken at {', '.join(sorted(commits)) or '–'}).",
        "Made by `scripts/mutation-sweep.py` (CONTRIBUTING.md says how to run it). Every comparison",
        "(`<`/`<=`, `>`/`>=`, `==`/`!=`) and every constant's last digit (±1) of the rule files, one at a",
        "time, in a clean clone built with `-O1` and no debug information; each mutant runs, in this order",
        "and stopping at the first failure, the tests of the database layer (for `src/db`), the engine's",
        "own tests (for `src/engine`), the selection tests, the seed replays of the fuzz targets over the",
        "same texts, the shipped database's checks (for `src/db`), the reports tests and the request",
        "layer's tests (not for `src/db` and `src/reports`) (`ctest --stop-on-failure --timeout`). The ui, app and cli",
        "tests are left out: the windows only show what the core computes, and the cli cases start",
        "`keld-cli` on the shipped database, while the selection and reports tests set the limits on",
        "fixtures. A timeout counts as killed; a mutant that does not compile is stillborn and not",
        "counted in the share.",
        "",
        "| Folder | Mutants | Stillborn | Killed | Survived | Equivalent | Not run | Killed of non-equivalent |",
        "|---|---|---|---|---|---|---|---|",
    ]
    for folder, c in sorted(folders.items()):
        judged = c["killed"] + c["survived"]
        lines.append(
            f"| {folder} | {c['mutants']} | {c['stillborn']} | {c['killed']} | {c['survived']} | "
            f"{c['equivalent']} | {c['not run']} | {percent(c['killed'], judged)} |"
        )
    if seconds:
        lines += [
            "",
            f"Cost: {len(seconds)} mutants run, {sum(seconds) / len(seconds):.1f} s per mutant on average "
            f"({sum(seconds) / 3600:.2f} h in all, two shared cores, builds under the shared lock).",
        ]
    if not_run:
        by_file = {}
        for mutant in mutants:
            done, total = by_file.get(mutant.file, (0, 0))
            by_file[mutant.file] = (done + (mutant.id in results), total + 1)
        complete = [f for f, (done, total) in by_file.items() if done == total]
        partial = [f"`{f}` ({done} of {total})" for f, (done, total) in by_file.items() if 0 < done < total]
        untouched = [f"`{f}`" for f, (done, total) in by_file.items() if done == 0]
        lines += [
            "",
            f"{not_run} mutants have not run yet; the sweep resumes where it stopped. Complete: "
            + (", ".join(f"`{f}`" for f in complete) or "none")
            + ". Part run: "
            + (", ".join(partial) or "none")
            + ". Not run: "
            + (", ".join(untouched) or "none")
            + ".",
        ]
    lines += ["", "## Survivors", ""]
    if not survivors:
        lines.append("None.")
    else:
        lines += ["| Id | Where | Change | Run at | Status | Why it stays |", "|---|---|---|---|---|---|"]
        for mutant, status, reason in sorted(survivors, key=lambda s: (s[0].file, s[0].line, s[0].col)):
            change = mutant.change.replace("|", "\\|")
            run_at = results[mutant.id]["commit"][:8]
            lines.append(
                f"| {mutant.id} | {mutant.file}:{mutant.line} | `{change}` | {run_at} | {status} | "
                f"{reason or 'not killed at that commit'} |"
            )
    lines += [
        "",
        "Exempt (their numbers are data or names, not limits): "
        + "; ".join(f"`{f}` ({why})" for f, why in EXCLUDED_FILES.items())
        + "; "
        + "; ".join(f"in `{f}`, {why}" for f, (_, why) in DATA_LINES.items())
        + ".",
        "",
    ]
    out.write_text("\n".join(lines), encoding="utf-8")


# ---------------------------------------------------------------- main


def select(mutants, args):
    chosen = mutants
    if args.folder:
        folders = [f.rstrip("/") for f in args.folder]
        chosen = [m for m in chosen if m.folder in folders]
    if args.file:
        chosen = [m for m in chosen if m.file in args.file]
    if args.only:
        chosen = [m for m in chosen if m.id in args.only]
        unknown = set(args.only) - {m.id for m in chosen}
        if unknown:
            sys.exit(f"no mutant with id {', '.join(sorted(unknown))}")
    return chosen


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--commit", default="HEAD", help="the commit to sweep (default HEAD)")
    parser.add_argument("--folder", action="append", help="only the rule files of this folder (repeatable)")
    parser.add_argument("--file", action="append", help="only this rule file (repeatable)")
    parser.add_argument("--only", action="append", help="only the mutant of this id, run again (repeatable)")
    parser.add_argument("--list", action="store_true", help="print the mutants with their ids, run nothing")
    parser.add_argument("--report", action="store_true", help="render the report from the results, run nothing")
    parser.add_argument(
        "--rerun-survivors", action="store_true", help="run the chosen survivors again, except the equivalent ones"
    )
    parser.add_argument("--scratch", type=Path, default=DEFAULT_SCRATCH, help="clone and build folder")
    parser.add_argument("--results", type=Path, default=REPO / "tests" / "mutation-results.jsonl")
    parser.add_argument("--report-out", type=Path, default=REPO / "tests" / "mutation-report.md")
    parser.add_argument("--equivalents", type=Path, default=REPO / "tests" / "mutation-equivalents.txt")
    parser.add_argument("--timeout", type=int, default=30, help="seconds per test")
    args = parser.parse_args()

    commit = git_head(REPO, args.commit)
    scratch = args.scratch.resolve()
    if scratch == REPO or REPO in scratch.parents:
        sys.exit("the scratch folder must lie outside the work tree")

    if args.list or args.report:
        # The rules as the commit has them, read without a checkout.
        source = scratch / "list-tree"
        if source.exists():
            shutil.rmtree(source)
        source.mkdir(parents=True)
        archive = subprocess.run(["git", "-C", str(REPO), "archive", commit, "src"], check=True, capture_output=True)
        subprocess.run(["tar", "-x", "-C", str(source)], input=archive.stdout, check=True)
        mutants = all_mutants(source)
        shutil.rmtree(source)
        if args.list:
            results = read_results(args.results)
            for m in select(mutants, args):
                status = results.get(m.id, {}).get("status", "-")
                print(f"{m.id}  {m.file}:{m.line}:{m.col}  {m.change}  [{status}]  {m.line_text.strip()}")
            return
        render_report(mutants, read_results(args.results), read_equivalents(args.equivalents), commit, args.report_out)
        return

    source, build = prepare_scratch(scratch, commit)
    mutants = all_mutants(source)
    chosen = select(mutants, args)
    results = read_results(args.results)
    equivalents = read_equivalents(args.equivalents)
    if not args.only:
        if args.rerun_survivors:
            # Those shown equivalent would only survive again.
            chosen = [
                m
                for m in chosen
                if results.get(m.id, {}).get("status") == "survived" and not equivalence_reason(m, equivalents)
            ]
        else:
            chosen = [m for m in chosen if m.id not in results]
    log_path = scratch / "sweep.log"
    with log_path.open("a", encoding="utf-8") as log:
        patterns = None
        if chosen:
            targets = [t for g in TEST_GROUPS.values() for t in g]
            if not build_targets(build, targets, log):
                sys.exit(f"the unchanged commit does not build; see {log_path}")
            patterns = group_patterns(build)
            baseline(build, sorted({m.folder for m in chosen}), patterns, args.timeout, log)
        for number, mutant in enumerate(chosen, 1):
            status, killer, seconds = run_mutant(mutant, source, build, patterns, args.timeout, log)
            record = {
                "id": mutant.id, "file": mutant.file, "line": mutant.line, "col": mutant.col,
                "original": mutant.original, "mutant": mutant.mutant, "line_text": mutant.line_text.strip(),
                "status": status, "killed_by": killer, "seconds": round(seconds, 1), "commit": commit,
                "date": datetime.datetime.now().isoformat(timespec="seconds"),
            }
            append_result(args.results, record)
            results[mutant.id] = record
            print(f"[{number}/{len(chosen)}] {mutant.id} {mutant.file}:{mutant.line} {mutant.change}: "
                  f"{status}{' by ' + killer if killer else ''} ({seconds:.1f} s)", flush=True)
        # Put the restored files' objects back, so the scratch build matches the commit.
        if chosen:
            build_targets(build, [t for g in TEST_GROUPS.values() for t in g], log)
    render_report(mutants, results, equivalents, commit, args.report_out)


if __name__ == "__main__":
    main()
