#!/usr/bin/env bash
# Runs the DXF tests keeping every drawing they write, then reads each one
# back with ezdxf through Debian's own interpreter (a python3 of a version
# manager earlier on PATH may not see Debian's package).
set -euo pipefail
tests_dxf="$1"
sorties="$2"
rm -rf "$sorties"
mkdir -p "$sorties"
KELMO_DXF_SORTIES="$sorties" QT_QPA_PLATFORM=offscreen "$tests_dxf" \
  --gtest_filter='-FormeGeneraleOracle.*' --gtest_brief=1 >"$sorties/tests.log" 2>&1 || {
  cat "$sorties/tests.log"; exit 1; }
exec /usr/bin/python3 "$(dirname "$0")/verifie_dxf.py" "$sorties"
