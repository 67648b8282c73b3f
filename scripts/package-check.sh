#!/bin/sh
# The Debian package, checked as a user gets it:
#   1. builds it from the configured build folder and checks it with lintian
#      (no error, no warning), desktop-file-validate and appstreamcli;
#   2. unpacks it into a temporary root (dpkg-deb -x) and runs that copy's
#      keld-cli: the same selections and the same datasheet text as the
#      build's keld-cli, from the database in the copy's own folder;
#   3. installs it with apt-get, runs keld-cli select from the PATH, starts the
#      window with the desktop entry's command under Xvfb (it must paint its
#      main window, and stay up until it is killed), removes the package and
#      checks that none of its files is left.
# Steps 1 and 2 need no root: --unpacked stops after them. Step 3 needs root
# and a machine on which keld may be installed and removed (CI).
#
#   scripts/package-check.sh [--unpacked] [BUILD_FOLDER]     (default: build)
set -eu
cd "$(dirname "$0")/.."

unpacked_only=false
if [ "${1:-}" = "--unpacked" ]; then
    unpacked_only=true
    shift
fi
build=${1:-build}

fail() {
    echo "package-check: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "--- building the package"
rm -f "$build"/keld_*.deb
cmake --build "$build" --target package
set -- "$build"/keld_*_amd64.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "no single keld_<version>_amd64.deb in $build"; fi
deb=$1
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "keld_${version}_amd64.deb" ] || fail "$(basename "$deb") is not named keld_${version}_amd64.deb"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"

echo "--- lintian, desktop-file-validate, appstreamcli"
lintian --fail-on error,warning "$deb"
dpkg-deb -x "$deb" "$work/root"
set -- "$work"/root/usr/share/applications/*.desktop
if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "the package holds no single desktop entry"; fi
desktop-file-validate "$1"
set -- "$work"/root/usr/share/metainfo/*.metainfo.xml
if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "the package holds no single AppStream metainfo file"; fi
appstreamcli validate --no-net --pedantic "$1"

echo "--- the unpacked copy against the build"
packed_cli="$work/root/usr/bin/keld-cli"
built_cli="$build/keld-cli"
[ -L "$packed_cli" ] || fail "usr/bin/keld-cli is not a link"
cmp "$build/KELD_Vortan.tbs" "$work/root/usr/lib/keld/KELD_Vortan.tbs"

# select: the table and the whole JSON answer (rows, figures, corrections),
# for each series and both brands.
same_select() {
    "$built_cli" select "$@" > "$work/built.txt" || fail "build: select $* failed"
    "$packed_cli" select "$@" > "$work/packed.txt" || fail "package: select $* failed"
    diff -u "$work/built.txt" "$work/packed.txt" || fail "select $* differs"
}
# Each duty lists units, so that rows are compared, not only messages: a
# table is its header and at least one row besides the "[caption] text" lines.
lists_units() {
    [ "$(grep -vc '^\[' "$work/packed.txt")" -ge 2 ] || fail "select $* listed no unit"
}
for duty in "" \
    "--launch 14BREXAL --compressor screw --ambient 38 --flow 30" \
    "--compressor screw --fluid glycol --glycol 20 --outlet -2 --inlet 3" \
    "--launch BREXAL --compressor screw --cooling-capacity 450"; do
    # Word splitting of the duty is meant: each is a list of options.
    # shellcheck disable=SC2086
    same_select $duty
    # shellcheck disable=SC2086
    lists_units $duty
    # shellcheck disable=SC2086
    same_select $duty --json
done

# datasheet: the same text on both pages.
same_datasheet() {
    "$built_cli" datasheet "$@" --out "$work/built.pdf" > /dev/null || fail "build: datasheet $* failed"
    "$packed_cli" datasheet "$@" --out "$work/packed.pdf" > /dev/null || fail "package: datasheet $* failed"
    pdftotext -layout "$work/built.pdf" "$work/built.txt"
    pdftotext -layout "$work/packed.pdf" "$work/packed.txt"
    [ -s "$work/packed.txt" ] || fail "datasheet $*: no text"
    diff -u "$work/built.txt" "$work/packed.txt" || fail "datasheet $* differs"
}
same_datasheet --model QTK130GN5-LQE --project "北京 Plant" --customer ACME --tag CH-1
same_datasheet --launch BREXAL --compressor screw --model WOQ185GV5-LQEE

# The copy reads the database in its own folder, not the build's.
mv "$work/root/usr/lib/keld/KELD_Vortan.tbs" "$work/moved.tbs"
if "$packed_cli" select > /dev/null 2>&1; then
    fail "the unpacked keld-cli selected without the database beside it"
fi
mv "$work/moved.tbs" "$work/root/usr/lib/keld/KELD_Vortan.tbs"

if $unpacked_only; then
    echo "=== package checks passed (unpacked copy only)"
    exit 0
fi

echo "--- installing"
[ "$(id -u)" -eq 0 ] || fail "installing needs root (or use --unpacked)"
dpkg-query -W -f='${Status}' keld 2>/dev/null | grep -q "install ok installed" &&
    fail "keld is installed already; this check installs and removes it"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$deb"
dpkg-query -L keld > "$work/files"
for page in keld keld-cli keld-launch; do
    grep -qx "/usr/share/man/man1/$page.1.gz" "$work/files" || fail "no manual page $page.1 installed"
done

[ "$(command -v keld-cli)" = /usr/bin/keld-cli ] || fail "keld-cli is not found on the PATH"
keld-cli select > "$work/installed.txt" || fail "the installed keld-cli select failed"
"$built_cli" select > "$work/built.txt"
diff -u "$work/built.txt" "$work/installed.txt" || fail "the installed keld-cli selects differently"

# The window, started as the desktop starts it: the entry's Exec line without
# its field codes, on the X server as on a desktop (whatever platform the
# tests chose). A runtime folder of its own, so that no other copy of the
# user's holds the single-instance lock.
entry=$(grep '^/usr/share/applications/.*\.desktop$' "$work/files")
command=$(sed -n 's/^Exec=//p' "$entry" | sed 's/ *%[fFuUick]//g')
[ -n "$command" ] || fail "$entry has no Exec line"
echo "--- starting the window from $entry: $command"
mkdir -m 0700 "$work/runtime"
unset QT_QPA_PLATFORM
# First start: the main window must paint (the program then reports and ends);
# a message box in its place (no database, another copy) would not.
# Second start: it must still run after a few seconds, and end by our signal.
# The inner shell expands its own variables: $1 is the command, $2 the folder.
# shellcheck disable=SC2016
XDG_RUNTIME_DIR="$work/runtime" xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    KELD_MEASURE_WINDOW=1 $1 > "$2/painted" 2> "$2/painted.err" ||
        { echo "the window ended with exit code $?:"; cat "$2/painted.err"; exit 1; }
    grep -q "^first-paint-monotonic " "$2/painted" ||
        { echo "the main window did not paint:"; cat "$2/painted" "$2/painted.err"; exit 1; }
    $1 2> "$2/window.err" &
    pid=$!
    sleep 4
    if ! kill -0 "$pid" 2> /dev/null; then
        wait "$pid" && code=0 || code=$?
        echo "the window ended by itself within 4 s, exit code $code:"; cat "$2/window.err"; exit 1
    fi
    kill "$pid"
    wait "$pid" && code=0 || code=$?
    [ "$code" -eq 143 ] || { echo "the window ended with exit code $code, not by the signal"; exit 1; }
    cat "$2/window.err"
' sh "$command" "$work" || fail "the window from the desktop entry did not run"
echo "the window painted, ran 4 s and ended by its signal"

echo "--- removing"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq --purge keld
! dpkg-query -W -f='${Status}' keld 2>/dev/null | grep -q "installed" || fail "keld is still installed"
left=""
while IFS= read -r path; do
    # Folders such as /usr/share/icons/hicolor stay while other packages use
    # them, and so does /lib, a link to /usr/lib on a merged-/usr system; the
    # package's own folders are checked below.
    [ -d "$path" ] && continue
    if [ -e "$path" ] || [ -L "$path" ]; then left="$left $path"; fi
done < "$work/files"
for folder in /usr/lib/keld /usr/share/doc/keld; do
    [ -e "$folder" ] && left="$left $folder"
done
[ -z "$left" ] || fail "left after removal:$left"
echo "=== package checks passed: $(wc -l < "$work/files") paths installed and removed"
