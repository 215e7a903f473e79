#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (in build/, with the
# benchmarks), then again under AddressSanitizer and UndefinedBehaviorSanitizer
# (in build-asan/). Exits non-zero on any failure.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages
export QT_QPA_PLATFORM=offscreen

# Test runs from several checkouts on one machine take turns: run side by
# side they starve each other's time-limited window tests.
exec 9>"${TMPDIR:-/tmp}/kelmo-tests.lock"
flock 9

configure_and_build "$ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$ROOT/build" --output-on-failure -j"$(nproc)"

# Sanitizer pass: any report aborts the test and fails the run.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
configure_and_build "$ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DKELMO_SANITIZE=ON -DKELMO_BENCH=OFF
ctest --test-dir "$ROOT/build-asan" --output-on-failure -j"$(nproc)"
