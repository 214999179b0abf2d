#!/usr/bin/env bash
# Builds the native core with its tests (plain and under the sanitizers) and
# both Windows targets, and the fuzz targets of the core with clang's
# libFuzzer. Arguments pick builds: native sanitize x86_64 i686 fuzz.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=${WEXA_BUILD:-$root/build}
builds=("$@")
[ ${#builds[@]} -gt 0 ] || builds=(native sanitize x86_64 i686 fuzz)

configure() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
    fi
}

for name in "${builds[@]}"; do
    dir=$build/$name
    targets=()
    case $name in
        native) configure "$dir" -DCMAKE_BUILD_TYPE=Debug ;;
        sanitize) configure "$dir" -DCMAKE_BUILD_TYPE=Debug -DWEXA_SANITIZE=ON ;;
        x86_64 | i686)
            # Optimised, with the invariant checks (assert) kept.
            configure "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$name.cmake" \
                -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 -DCMAKE_C_FLAGS_RELEASE=-O2
            ;;
        fuzz)
            CC=clang-14 CXX=clang++-14 configure "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEXA_FUZZ=ON
            targets=(--target deck_fuzz)
            ;;
        *) echo "build: unknown build '$name'" >&2; exit 2 ;;
    esac
    echo "build: $name"
    if ! cmake --build "$dir" "${targets[@]}" >"$dir/build.log" 2>&1; then
        grep -vE '^\[[0-9]+/[0-9]+\] ' "$dir/build.log" | tail -n 60 >&2
        echo "build: $name failed (full log: $dir/build.log)" >&2
        exit 1
    fi
done
