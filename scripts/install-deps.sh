#!/bin/sh
# Installs, with apt-get, the Debian packages the build and the tests need,
# and only those that are missing, so a machine that has them all is left alone.
# With --fuzz it adds clang and its libFuzzer runtime, which only the fuzz
# targets need (a separate KELD_FUZZ build; see CONTRIBUTING.md).
set -eu

# The window draws "Arial" as Liberation Sans and its Chinese texts with
# WenQuanYi Micro Hei, and opens datasheets through xdg-open; Xvfb gives the
# window's benchmark and pictures (bench/window_timing.py,
# scripts/window-screens.sh) a real X server. clang-format checks the
# sources against the committed .clang-format (scripts/format-check.sh).
# The Debian package (cmake --build build --target package) needs dpkg-dev
# for dpkg-shlibdeps and file to find the programs in it; lintian,
# desktop-file-utils and appstream check it (scripts/package-check.sh). keld-serve
# speaks HTTP through Boost.Beast (libboost-dev); wrk drives its benchmark.
# The selection service's page is tested in headless Chromium through
# Selenium, and its load-balancer recipe under HAProxy with wrk's load.
packages="cmake ninja-build g++ pkg-config clang-format
libsqlcipher-dev sqlcipher
libhpdf-dev libjpeg-dev libjpeg-turbo-progs librsvg2-bin netpbm fonts-dejavu-core
libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libeigen3-dev libboost-dev wrk
poppler-utils poppler-data qpdf locales
qt6-base-dev qt6-qpa-plugins qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
fonts-liberation2 fonts-wqy-microhei xdg-utils xvfb
dpkg-dev file lintian desktop-file-utils appstream
chromium chromium-driver python3-selenium haproxy"
if [ "${1:-}" = "--fuzz" ]; then
    packages="$packages clang libclang-rt-dev"
fi

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi

# The number formatting is tested under a decimal-comma locale as well, so
# that a German desktop cannot turn "7.500000" into "7,500000" in a statement.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
