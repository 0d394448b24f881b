#!/usr/bin/env bash
# Builds the whole project and runs its test suite twice: once in a normal
# build (build/) and once with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/). Installs missing Debian packages first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/setup.sh"
vestra_install_missing

# The layout of every C++ file is the one .clang-format describes; a file
# that differs fails the run, named.
echo "== checking the code's layout (clang-format)"
misformatted=()
while IFS= read -r -d '' file; do
    clang-format --dry-run --Werror "$here/$file" >/dev/null 2>&1 || misformatted+=("$file")
done < <(git -C "$here" ls-files -z -- '*.cpp' '*.h')
if [ ${#misformatted[@]} -gt 0 ]; then
    printf 'not laid out as .clang-format says (run clang-format -i on it): %s\n' "${misformatted[@]}" >&2
    exit 1
fi

jobs=$(nproc)
run_suite() {
    local dir=$1
    shift
    echo "== configuring $dir $*"
    cmake -S "$here" -B "$here/$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@"
    echo "== building $dir"
    cmake --build "$here/$dir" -j "$jobs"
    echo "== testing $dir"
    ctest --test-dir "$here/$dir" --output-on-failure -j "$jobs"
}

run_suite build
run_suite build-asan -DVESTRA_SANITIZE=ON

# Short fuzzing runs of address recognition, rewriting and resolution and of
# the voice-file reader, built with clang's libFuzzer.
echo "== fuzzing (build-fuzz)"
cmake -S "$here" -B "$here/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DVESTRA_BUILD_TESTS=OFF -DVESTRA_BUILD_FUZZERS=ON
cmake --build "$here/build-fuzz" -j "$jobs" --target fuzz_addresses fuzz_voicefile
ctest --test-dir "$here/build-fuzz" --output-on-failure
