# shellcheck shell=bash
# fail MESSAGE: ends the script with status 1, saying why.
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
