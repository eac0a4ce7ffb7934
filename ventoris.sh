#!/usr/bin/env bash
# Sets up, builds and starts the program, or runs every test.
#   ./ventoris.sh start   install what is missing, build, start the program
#   ./ventoris.sh test    install what is missing, build, run all tests
#   ./ventoris.sh sanitizer  run all tests once more, built with ASan and UBSan
#   ./ventoris.sh bench   build and run the benchmarks
#   ./ventoris.sh paket   build the Debian package and check it
set -euo pipefail
cd "$(dirname "$0")"

PAKETE_BAU=(cmake make g++ qt6-base-dev libgl-dev fonts-liberation2 qt6-translations-l10n)
PAKETE_TEST=(xvfb xauth poppler-utils desktop-file-utils appstream)
PAKETE_PAKET=(dpkg-dev desktop-file-utils appstream lintian file)

pakete_installieren() {
    local fehlend=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    echo "Installiere: ${fehlend[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${fehlend[@]}"
}

bauen() {
    local ordner=$1; shift
    cmake -S . -B "$ordner" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$ordner" -j2
}

case "${1:-}" in
start)
    pakete_installieren "${PAKETE_BAU[@]}"
    bauen build -DVENTORIS_TESTS=OFF
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Kein Bildschirm gefunden (weder DISPLAY noch WAYLAND_DISPLAY gesetzt): Ventoris braucht eine grafische Oberfläche."
        exit 1
    fi
    exec ./build/ventoris
    ;;
test)
    pakete_installieren "${PAKETE_BAU[@]}" "${PAKETE_TEST[@]}"
    bauen build-test
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure -j2
    ;;
sanitizer)
    pakete_installieren "${PAKETE_BAU[@]}" "${PAKETE_TEST[@]}"
    cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DVENTORIS_SANITIZE=ON >/dev/null
    cmake --build build-san -j2
    QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
        ctest --test-dir build-san --output-on-failure -j2
    ;;
bench)
    pakete_installieren "${PAKETE_BAU[@]}" "${PAKETE_TEST[@]}"
    bauen build-bench -DCMAKE_BUILD_TYPE=Release
    export QT_QPA_PLATFORM=offscreen
    b=./build-bench/bench/app
    $b/bench_tastenschlag
    $b/bench_start $b/start_ventoris $b/start_leer $b/start_text
    # the same on a real X server, where the yardsticks pay for their windows too
    QT_QPA_PLATFORM= xvfb-run -a -s '-screen 0 1280x1024x24' $b/bench_start $b/start_ventoris $b/start_leer $b/start_text
    # instructions up to the first paint, where valgrind is at hand
    if command -v valgrind >/dev/null; then
        for p in start_ventoris start_leer start_text; do
            printf '%s: ' "$p"
            valgrind --tool=callgrind --callgrind-out-file=/dev/null "$b/$p" 2>&1 | sed -n 's/.*Collected : //p'
        done
    fi
    if [ -x ./build-bench/bench/report/bench_ergebnispdf ]; then ./build-bench/bench/report/bench_ergebnispdf; fi
    ./build-bench/bench/building/bench_gebaeude 10000
    ./build-bench/bench/app/bench_kommandozeile ./build-bench/ventoris
    ;;
paket)
    pakete_installieren "${PAKETE_BAU[@]}" "${PAKETE_PAKET[@]}"
    # Debian's own build flags (hardening), as a package built by Debian gets them.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow
    cmake -S . -B build-paket -DCMAKE_BUILD_TYPE=Release -DVENTORIS_TESTS=OFF \
        -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
    cmake --build build-paket -j2
    (cd build-paket && cpack -G DEB)
    desktop-file-validate packaging/example.tessarix.ventoris.desktop
    appstreamcli validate --no-net packaging/example.tessarix.ventoris.metainfo.xml
    lintian --fail-on error build-paket/ventoris_*.deb
    ;;
*)
    echo "Aufruf: $0 start|test|sanitizer|bench|paket" >&2
    exit 2
    ;;
esac
