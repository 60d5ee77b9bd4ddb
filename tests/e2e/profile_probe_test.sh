#!/usr/bin/env bash
# The portable profile format against the real profile functions: the probe
# runs every scenario both ways in a folder of its own and fails on any
# difference in what is read or in the file's bytes.
source "$(dirname "$0")/lib.sh"

PROBE_EXE="$PROBES_DIR/profile-probe.exe"
[[ -f "$PROBE_EXE" ]] || fail "no $PROBE_EXE: build the profile-probe target"

mkdir -p "$WORK/profiles"
if ! wine_exe "$PROBE_EXE" "$(winpath "$WORK/profiles")" >"$WORK/probe.log" 2>&1; then
  tr -d '\r' <"$WORK/probe.log" >&2
  fail "the profile format differs from the real profile functions"
fi
echo "PASS: the profile format matches the real profile functions ($(tr -d '\r' <"$WORK/probe.log" | tail -n 1))"
