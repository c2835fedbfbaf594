# Shared by the scripts: where things live and how Wine and the
# display are set up.
repo=$(cd "$(dirname "$0")/.." && pwd)
build="$repo/build"
export WINEPREFIX="$build/windows/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Starts a virtual X display when none is set; stop_display ends it.
xvfb_pid=""
ensure_display() {
    if [ -n "${DISPLAY:-}" ]; then return; fi
    display_number=99
    while [ -e "/tmp/.X$display_number-lock" ]; do display_number=$((display_number + 1)); done
    Xvfb ":$display_number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$display_number"
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        if xdpyinfo >/dev/null 2>&1; then return; fi
        sleep 0.5
    done
    echo "Xvfb did not start" >&2
    exit 1
}

stop_display() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}

# Release builds for the benchmarks, native and Windows, in folders of their
# own (BENCH_NATIVE_BUILD and BENCH_WINDOWS_BUILD may name others). Builds
# NATIVE_TARGET natively and each WINDOWS_TARGET; sets $native and $windows.
#   build_bench NATIVE_TARGET WINDOWS_TARGET...
build_bench() {
    native=$(realpath -m "${BENCH_NATIVE_BUILD:-$build/bench-native}")
    windows=$(realpath -m "${BENCH_WINDOWS_BUILD:-$build/bench-windows}")
    cmake -S "$repo" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$native" --target "$1"
    shift
    cmake -S "$repo" -B "$windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/toolchain-mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$windows" --target "$@"
}

# The benchmarks' Wine: the Windows build's prefix, ready, on a display.
prepare_bench_wine() {
    export WINEPREFIX="$windows/wineprefix"
    ensure_display
    "$repo/scripts/wine/prepare-prefix.sh"
}

# A native path as Wine reaches it, through Z:.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# Copies a build to SCRATCH/program-N/Kuvano.exe, a folder of its own, so
# that each build starts with no settings file beside it.
#   own_copy SCRATCH N PROGRAM
own_copy() {
    mkdir "$1/program-$2"
    cp "$3" "$1/program-$2/Kuvano.exe"
}

build_preset() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}
