#!/bin/sh
# Checks that the C++ sources are formatted as the committed .clang-format
# asks, without changing any file. With no arguments it checks the tracked
# *.cpp and *.h files of src/, tests/, fuzz/ and bench/; with arguments, the
# files named (paths from the repository's top folder).
#
# Prints each file that clang-format would change with the lines it would
# change, and exits 1 when there is any; 0 when every file is formatted; 2
# when clang-format is missing or fails on a file for another reason.
# `clang-format -i FILE...` formats the files it lists.
set -eu
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null 2>&1; then
    echo "format-check: clang-format is not installed (scripts/install-deps.sh installs it)" >&2
    exit 2
fi

files=$(mktemp)
report=$(mktemp)
failures=$(mktemp)
trap 'rm -f "$files" "$report" "$failures"' EXIT
trap 'exit 130' INT TERM

if [ $# -gt 0 ]; then
    for f in "$@"; do
        if [ ! -f "$f" ] || [ ! -r "$f" ]; then
            echo "format-check: $f is not a readable file" >&2
            exit 2
        fi
        printf '%s\0' "$f" >>"$files"
    done
else
    # A file deleted from the work tree but not yet from the index is left out:
    # there is nothing to format.
    git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
        'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'bench/*.h' |
        xargs -0 -r sh -c 'for f; do [ -f "$f" ] && printf "%s\0" "$f"; done; true' sh >"$files"
fi
count=$(tr -cd '\0' <"$files" | wc -c)

status=0
xargs -0 -r clang-format --dry-run --Werror --style=file:.clang-format <"$files" 2>"$report" || status=$?

# clang-format reports each change it would make as
# "FILE:LINE:COLUMN: error: code should be clang-formatted [...]", the source
# line and, unless that line holds characters beyond ASCII, a caret under the
# column; a file's changes come in order. They are gathered into one
# line per file; anything else it wrote (an unreadable file, a broken
# .clang-format) goes to $failures.
unformatted=$(awk -v failures="$failures" '
    sourceLine { sourceLine = 0; caretLine = 1; next }
    caretLine { caretLine = 0; if ($0 ~ /^[ \t]*\^[ ~]*$/) next }
    match($0, /:[0-9]+:[0-9]+: error: code should be clang-formatted/) {
        sourceLine = 1
        file = substr($0, 1, RSTART - 1)
        split(substr($0, RSTART + 1), place, ":")
        if ((file SUBSEP place[1]) in seen) next
        seen[file, place[1]] = 1
        if (!(file in lines)) { order[++n] = file; lines[file] = place[1] }
        else { lines[file] = lines[file] ", " place[1]; several[file] = 1 }
        next
    }
    { print > failures }
    END {
        for (i = 1; i <= n; i++)
            print order[i] ": " ((order[i] in several) ? "lines " : "line ") lines[order[i]]
    }
' "$report")

if [ -n "$unformatted" ]; then
    echo "$unformatted"
    bad=$(echo "$unformatted" | wc -l)
    echo "format-check: $bad of $count files not formatted as .clang-format asks;" \
        "format them with: clang-format -i FILE..."
fi
if [ "$status" -ne 0 ] && { [ -s "$failures" ] || [ -z "$unformatted" ]; }; then
    # A broken .clang-format is reported once for every file: the first few
    # lines tell it.
    head -n 12 "$failures" >&2
    echo "format-check: clang-format failed (status $status)" >&2
    exit 2
fi
[ -z "$unformatted" ] || exit 1
echo "format-check: $count files checked, every one formatted as .clang-format asks"
