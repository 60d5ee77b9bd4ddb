#!/usr/bin/env bash
# The manifest the exe carries: DPI aware, so that Windows does not stretch
# the windows it lays out itself (dpiAware true/pm, read from Vista to 8.1;
# dpiAwareness PerMonitorV2, read by 10 and 11), and only in elements that
# Windows XP passes over: an application element in the asm.v3 namespace,
# or inside compatibility, never one in the manifest's own namespace.
#   manifest_test.sh EXE
set -euo pipefail
exe=${1:?exe}
fail() { echo "FAIL: $*" >&2; exit 1; }

manifest=$(tr -d '\r\n' <"$exe" | grep -ao '<assembly xmlns="urn:schemas-microsoft-com:asm.v1".*</assembly>' || true)
[[ -n "$manifest" ]] || fail "$exe carries no manifest"
manifest=$(sed 's/<!--[^>]*-->//g; s/>[[:space:]]*</></g' <<<"$manifest")

settings='<application xmlns="urn:schemas-microsoft-com:asm.v3"><windowsSettings>'
settings+='<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>'
settings+='<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>'
settings+='</windowsSettings></application>'
[[ "$manifest" == *"$settings"* ]] || fail "the manifest does not declare DPI awareness as expected: $manifest"

all=$(grep -o '<application[ >/]' <<<"$manifest" | wc -l)
known=$(grep -o '<application xmlns="urn:schemas-microsoft-com:asm.v3">\|<compatibility xmlns="urn:schemas-microsoft-com:compatibility.v1"><application>' <<<"$manifest" | wc -l)
((all == known)) || fail "$((all - known)) application element(s) outside the asm.v3 and compatibility namespaces"
echo "PASS: $exe declares per-monitor DPI awareness in $all application elements XP passes over"
