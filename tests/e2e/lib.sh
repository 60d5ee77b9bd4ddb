# Shared steps of the end-to-end tests: start the demo host and the utility
# under Wine, press on the utility with the real pointer, read the room's
# transcript as bytes. Each test sources this and ends what it started.
set -euo pipefail

: "${E2E_STATE:?E2E_STATE names the desktops made by desktop.sh}"
: "${QUIMBLY_EXE:?QUIMBLY_EXE names the quimbly.exe under test}"
: "${HOST_EXE:?HOST_EXE names the demo-host.exe to run beside it}"
: "${PROBES_DIR:?PROBES_DIR names the build with window-probe.exe and profile-probe.exe}"
[[ -f "$QUIMBLY_EXE" && -f "$HOST_EXE" ]] || { echo "build the mingw32 and mingw64 presets first" >&2; exit 1; }

# The desktop CTest gave this test ("id:K,slots:1"), or the first one.
desktop=${CTEST_RESOURCE_GROUP_0_DESKTOPS:-id:0}
desktop=${desktop#id:}
DESKTOP=$E2E_STATE/desktop-${desktop%%,*}
# shellcheck source=../../scripts/lib/wine_desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine_desktop.sh"
# shellcheck source=/dev/null
source "$DESKTOP/env"
echo "on $(basename "$DESKTOP"): $(basename "$(dirname "$QUIMBLY_EXE")")/quimbly.exe beside $(basename "$(dirname "$HOST_EXE")")/demo-host.exe${WINDOWS_VERSION:+, Windows $WINDOWS_VERSION}${CODEPAGE:+, code page $CODEPAGE}${DPI:+, $DPI DPI}"

WORK=$(mktemp -d "$DESKTOP/test.XXXXXX")
[[ -z "${E2E_SHOTS:-}" ]] || mkdir -p "$E2E_SHOTS"

# The desktop is shared with later tests: its Wine server and Xvfb stay.
cleanup() {
  local pid
  kill_started
  # Whatever these programs started in turn goes too, so no later test meets it.
  for pid in $(prefix_processes '(quimbly|demo-host|profile-probe|gdi-probe)\.exe'); do
    kill "$pid" 2>/dev/null || true
  done
  restore_desktop
}
trap cleanup EXIT
trap 'exit 1' INT TERM  # a killed test still ends what it started

# start_host DOCS [more demo-host options]: the demo host with those documents;
# document k's transcript is $WORK/doc<k>.txt. The host is our stand-in, not
# the product: should Wine leave it hung at its start (seen on a loaded
# machine), the test says what it saw and gives it one more start.
start_host() {
  launch_host "$HOST_EXE" "$WORK" "$@" && return 0
  describe_start "$HOST_PID" "$WORK/host.log"
  echo "WARNING: the demo host did not come up at its first start; starting it once more" >&2
  stop_host
  launch_host "$HOST_EXE" "$WORK" "$@" || fail_to_start "the demo host did not come up, twice" "$HOST_PID" "$WORK/host.log"
}

# fail_to_start WHAT PID LOG: fails, with what a person needs to see why the
# program did not come up.
fail_to_start() {
  describe_start "$2" "$3"
  fail "$1"
}

# describe_start PID LOG: whether the program still runs and where its
# threads wait, its output, the prefix's Wine processes, the display's windows.
describe_start() {
  local pid=$1 log=$2 status=0 p id
  {
    if kill -0 "$pid" 2>/dev/null; then
      echo "--- it still runs (pid $pid): $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
      for p in /proc/"$pid"/task/*; do
        echo "thread ${p##*/}: $(cut -d' ' -f3 "$p/stat" 2>/dev/null) in $(cat "$p/wchan" 2>/dev/null)"
      done
    else
      wait "$pid" || status=$?
      echo "--- it ended with status $status"
    fi
    echo "--- its output"
    tail -n 20 "$log" 2>/dev/null || true
    echo "--- this prefix's Wine processes"
    for p in $(prefix_processes '.'); do ps -o pid=,etime=,stat=,args= -p "$p" || true; done
    echo "--- the display's named windows"
    for id in $(xdotool search --name '.' 2>/dev/null); do
      printf '%s %s\n' "$id" "$(xdotool getwindowname "$id" 2>/dev/null)"
    done
  } >&2
}

stop_host() {
  kill "$HOST_PID" 2>/dev/null || true
  wait "$HOST_PID" 2>/dev/null || true
}

# start_quimbly [main|first-run] [NAME=VALUE...]: starts the utility and waits
# for the window it should show first; sets QUIMBLY_PID and WIN_* for that
# window. Given variables, cmd starts it with each of them set (an empty
# value unsets it: APPDATA= is NT 4.0, which sets none) and waits for it.
start_quimbly() {
  local launch=("$(wine_loader "$QUIMBLY_EXE")" "$QUIMBLY_EXE") sets="" variable
  for variable in "${@:2}"; do sets+="set $variable&& "; done
  [[ -z "$sets" ]] || launch=("$WINE64" cmd /c "$sets$(winpath "$QUIMBLY_EXE")")
  "${launch[@]}" >>"$WORK/quimbly.log" 2>&1 &
  QUIMBLY_PID=$!
  STARTED_PIDS+=("$QUIMBLY_PID")
  case ${1:-main} in
    main) wait_until 30 find_main_window || fail_to_start "the main window did not appear" "$QUIMBLY_PID" "$WORK/quimbly.log" ;;
    first-run) wait_until 30 find_window '^Form3$' || fail_to_start "the first-run dialog did not appear" "$QUIMBLY_PID" "$WORK/quimbly.log" ;;
  esac
}

# start_announced [HANDLE]: the utility, on a profile holding the handle (or
# on the profile as the test left it); its start-up lines reach the room
# before this returns.
start_announced() {
  [[ -z "${1:-}" ]] || set_profile "$1"
  start_quimbly
  wait_for_lines "$(transcript)" 2 10
}

# no_process_left [SECONDS] [AFTER-WHAT]: the utility ends, none of its processes left.
no_process_left() {
  wait_for_quimbly_to_end "$@"
  local left
  left=$(prefix_processes 'quimbly\.exe')
  [[ -z "$left" ]] || fail "a utility process is left behind: $left"
}

# expect_window_size WIDTH HEIGHT WHAT: the window last found measures that
# at 96 DPI, or as much more as the display's DPI lays it out larger.
expect_window_size() {
  local width height
  width=$(at_scale "$1") height=$(at_scale "$2")
  [[ "$WIN_W" == "$width" && "$WIN_H" == "$height" ]] || fail "$3 is ${WIN_W}x${WIN_H}, not ${width}x${height}"
}

# What the window system says of a window of the utility (by title prefix):
# "visible=0|1 iconic=0|1 topmost=0|1 rect=l,t,r,b foreground=0|1".
window_state() {
  wine_exe "$PROBES_DIR/window-probe.exe" "$1" 2>/dev/null | tr -d '\r' | sed 's/^.* visible=/visible=/'
}

transcript() { printf '%s/doc%s.txt' "$WORK" "${1:-1}"; }

# The announcements as the room receives them, one per line, in the system's
# ANSI code page (see use_codepage). Their fixed text holds the characters
# ·÷¹º; where the code page lacks one, Wine's conversion gives its best fit
# ('1' for ¹, 'o' for º) or '?'.
TAG='<font face=Arial Narrow><FONT COLOR=#0080FF>'
case ${CODEPAGE:-1252} in
  1250) MARK=$'<b>\xb7\xf7^\xb7\xb7 ' PRODUCT=$'Quimbly1\xb7o' ;;
  1251) MARK=$'<b>\xb7?^\xb7\xb7 ' PRODUCT=$'Quimbly?\xb7?' ;;
  *) MARK=$'<b>\xb7\xf7^\xb7\xb7 ' PRODUCT=$'Quimbly\xb9\xb7\xba' ;;
esac
line_by() { printf '%s     %s%s by: zyk</b>\n' "$TAG" "$MARK" "$PRODUCT"; }
line_loaded() { printf '%s       %sIoaded by: %s</b>\n' "$TAG" "$MARK" "$1"; }
line_unloaded() { printf '%s       %sunIoaded by: %s</b>\n' "$TAG" "$MARK" "$1"; }
line_started() { printf '%s     %s%s started</b>\n' "$TAG" "$MARK" "$PRODUCT"; }
line_stopped() { printf '%s      %s%s stopped</b>\n' "$TAG" "$MARK" "$PRODUCT"; }
line_idle() { printf "%s     %s%s by: zyk [ idle'n ]</b>\n" "$TAG" "$MARK" "$PRODUCT"; }
line_time() { printf '%s     %stime: %s min [ %s ]</b>\n' "$TAG" "$MARK" "$1" "$2"; }

# expect_bytes FILE: the file must hold exactly what stdin holds.
expect_bytes() {
  local expected="$WORK/expected.$RANDOM"
  cat >"$expected"
  if ! cmp -s "$expected" "$1"; then
    echo "--- expected" >&2
    od -c "$expected" >&2
    echo "--- got ($1)" >&2
    od -c "$1" >&2 || true
    fail "$1 differs from the expected bytes"
  fi
}

# --- The room as its people see it ------------------------------------------
# room_view: what the demo host's first room shows, read back from its rich
# edit by tools/room-probe: "view rect=L,T,R,B newest-visible=0|1", then each
# paragraph as runs of [format]text (b i u s fg=RRGGBB face=NAME...).
room_view() { wine_exe "$PROBES_DIR/room-probe.exe" 2>/dev/null | tr -d '\r'; }

# view_rect: sets VIEW_X, VIEW_Y, VIEW_W, VIEW_H, the view's place on screen.
view_rect() {
  local rect l t r b
  rect=$(room_view | sed -n '1s/^view rect=\([-0-9,]*\) .*/\1/p')
  [[ -n "$rect" ]] || fail "the probe found no room view"
  IFS=, read -r l t r b <<<"$rect"
  VIEW_X=$l VIEW_Y=$t VIEW_W=$((r - l)) VIEW_H=$((b - t))
}

# say_in_room LINE...: each line typed into the room's own input box, below
# its view, and Enter, as a person in the room would.
say_in_room() {
  local line
  view_rect
  xdotool mousemove $((VIEW_X + 40)) $((VIEW_Y + VIEW_H + 10)) click 1
  for line in "$@"; do
    xdotool type --delay 20 "$line"
    xdotool key Return
  done
}

# --- Pixels ---------------------------------------------------------------
# shoot NAME: the main window's pixels into $WORK/NAME.rgb, and a PNG of it
# among the run's screenshots for a person to look at.
shoot() {
  SHOT="$WORK/$1.rgb" SHOT_W=$WIN_W
  take_screenshot "$WIN_X" "$WIN_Y" "$WIN_W" "$WIN_H" "$SHOT"
  [[ -z "${E2E_SHOTS:-}" ]] || convert -size "${WIN_W}x${WIN_H}" -depth 8 "rgb:$SHOT" "$E2E_SHOTS/$1.png"
}

# expect_region X0 Y0 X1 Y1 "R G B" [what]: every pixel of the inclusive
# rectangle of the last shot has that colour; expect_pixel X Y "R G B" [what]: one.
expect_region() {
  local wrong
  wrong=$(od -An -v -tu1 -w3 "$SHOT" | awk -v w="$SHOT_W" -v x0="$1" -v y0="$2" -v x1="$3" -v y1="$4" \
    -v want="$5" '{ i = NR - 1; x = i % w; y = int(i / w)
      if (x >= x0 && x <= x1 && y >= y0 && y <= y1 && ($1 " " $2 " " $3) != want) { print x "," y ": " $1 " " $2 " " $3; n++ } }
      END { if (n) print n " pixels differ" }' | tail -n 3)
  [[ -z "$wrong" ]] || fail "region $1,$2-$3,$4 is not ($5)${6:+ ($6)}: $wrong"
}
expect_pixel() { expect_region "$1" "$2" "$1" "$2" "$3" "${4:-}"; }

# expect_banner LEFT TOP COLUMNS WIDTH_TWIPS ROW_FIRST ROW_LAST [COLUMN_LAST]:
# the banner's drawing area starts at window pixel LEFT, TOP in the last
# shot; every column shows the colour of the last strip (10 twips apart, at
# the display's DPI) that starts in it or before it, worked out here from the
# gradient's definition.
expect_banner() {
  local left=$1 top=$2 columns=$3 width=$4 first=$5 last=$6 upto=${7:-$(($3 - 1))}
  local wrong
  wrong=$(od -An -v -tu1 -w3 "$SHOT" | awk -v w="$SHOT_W" -v left="$left" -v top="$top" -v cols="$columns" \
    -v width="$width" -v first="$first" -v last="$last" -v upto="$upto" -v dpi="${DPI:-96}" '
    BEGIN {
      half = width / 2; strips = int(width / 8)
      for (k = 0; k <= strips; k++) { p = int(10 * k * dpi / 1440); if (p < cols) strip[p] = k }
      for (p = 0; p < cols; p++) {
        if (!(p in strip)) strip[p] = strip[p - 1]
        c = 4 * strip[p]
        want[p] = int(255 - 255 * c / half + 0.5) " " int(255 - 100 * c / half + 0.5) " 255"
      }
    }
    { i = NR - 1; x = i % w - left; y = int(i / w) - top
      if (x >= 0 && x <= upto && y >= first && y <= last && ($1 " " $2 " " $3) != want[x]) {
        if (n++ < 3) print "column " x ", row " y ": " $1 " " $2 " " $3 " (wanted " want[x] ")" } }
    END { if (n) print n " pixels differ" }')
  [[ -z "$wrong" ]] || fail "banner: $wrong"
}

# How often the utility drew a picture box anew (it says so on the debug
# channel, which the test must have switched on: WINEDEBUG=-all,warn+debugstr).
paint_passes() { grep -ac "Paint $1\\\\n" "$WORK/quimbly.log" || true; }

# --- The system the programs see ---------------------------------------------
# WINDOWS_VERSION, CODEPAGE and DPI change the desktop, which later tests
# share: the test's end puts it back, and a test killed before its end leaves
# a note for the next test on the desktop to put it back first.
VERSION_NOTE=$DESKTOP/windows-version.set
DPI_NOTE=$DESKTOP/dpi.set
KEYMAP_NOTE=$DESKTOP/keymap.xkb
HISTORIC_AWAY=$WINEPREFIX/drive_c/windows/system.away

# hide_historic_folder: c:\windows\system is gone, as on NT 4.0 and 2000,
# which keep Windows in C:\WINNT, until the test ends.
hide_historic_folder() {
  [[ -d "$WINEPREFIX/drive_c/windows/system" ]] || fail "the prefix has no c:\windows\system to hide"
  mv -T "$WINEPREFIX/drive_c/windows/system" "$HISTORIC_AWAY"
}

restore_desktop() {
  if [[ -d "$HISTORIC_AWAY" ]]; then
    mv -T "$HISTORIC_AWAY" "$WINEPREFIX/drive_c/windows/system"
  fi
  if [[ -e "$VERSION_NOTE" ]]; then
    "$WINE64" reg delete 'HKCU\Software\Wine' /v Version /f >/dev/null 2>&1 || true
    rm -f "$VERSION_NOTE"
  fi
  if [[ -e "$DPI_NOTE" ]]; then
    "$WINE64" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
    rm -f "$DPI_NOTE"
  fi
  if [[ -e "$KEYMAP_NOTE" ]]; then
    xkbcomp -w0 "$KEYMAP_NOTE" "$DISPLAY" 2>/dev/null || true
    rm -f "$KEYMAP_NOTE"
  fi
}

# use_windows_version NAME: every Wine program started from now on reports
# that Windows (GetVersion, GetVersionEx); checked through cmd's "ver".
use_windows_version() {
  local want reported
  case $1 in
    win95) want='4.0.67109814' ;;  # 4.0 in the build number's high word, 950 in its low, as on Windows 95
    win98) want='4.10.' ;;  # the build number shows in the high word, as on Windows 98
    nt40) want='4.0.1381' ;;
    *) fail "WINDOWS_VERSION=$1: no version number known for it" ;;
  esac
  touch "$VERSION_NOTE"
  "$WINE64" reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1 || fail "could not set the Windows version $1"
  reported=$("$WINE64" cmd /c ver 2>/dev/null | tr -d '\r' | grep -m1 'Windows' || true)
  [[ "$reported" == *"Windows $want"* ]] || fail "WINDOWS_VERSION=$1, but Wine reports '$reported'"
  echo "Wine reports $reported"
}

# use_dpi DPI: the dots per inch of the display, as every Wine program
# started from now on sees it (Wine reads it from the user's LogPixels, as
# Windows' "Large fonts" and scaling settings set it). Checked through what
# the fit probe sees.
use_dpi() {
  local seen
  touch "$DPI_NOTE"
  "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
    fail "could not set the display's DPI to $1"
  seen=$(wine_exe "$PROBES_DIR/fit-probe.exe" 2>/dev/null | tr -d '\r' | sed -n 's/^dpi=\([0-9]*\).*/\1/p' || true)
  [[ "$seen" == "$1" ]] || fail "DPI=$1, but programs see '$seen'"
  echo "programs see $seen DPI"
}

# use_codepage CODEPAGE: the ANSI code page of every Wine program started from
# now on. Wine takes it from the Unix locale, and takes 1252 when glibc has
# no such locale; so the locale is made from glibc's sources (Debian's locales
# package), once per run, into the run's folder. Checked through the value
# Wine keeps in the registry.
use_codepage() {
  local name acp
  case $1 in
    1252) name=C.UTF-8 ;;
    1250) name=pl_PL.UTF-8 ;;
    1251) name=ru_RU.UTF-8 ;;
    *) fail "CODEPAGE=$1: no locale known for it" ;;
  esac
  if [[ $name != C.UTF-8 ]]; then
    export LOCPATH=$E2E_STATE/locales
    [[ -d "$LOCPATH/$name" ]] || make_locale "$name"
  fi
  export LANG=$name
  acp=$("$WINE64" reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null |
    tr -d '\r' | awk '$1 == "ACP" { print $3 }')
  [[ "$acp" == "$1" ]] || fail "with LANG=$name Wine's ANSI code page is '$acp', not $1"
}

# make_locale NAME: into LOCPATH; tests side by side may make it at once.
make_locale() {
  local source=${1%%.*} tmp
  [[ -f /usr/share/i18n/locales/$source ]] || fail "no glibc locale source $source: install Debian's locales package"
  mkdir -p "$LOCPATH"
  tmp=$(mktemp -d "$LOCPATH/.new.XXXXXX")
  # localedef also fails on mere warnings; what it made is what counts.
  localedef -i "$source" -f UTF-8 "$tmp/$1" >"$tmp/log" 2>&1 || true
  [[ -f "$tmp/$1/LC_CTYPE" ]] || fail "localedef could not make $1: $(cat "$tmp/log")"
  mv -T "$tmp/$1" "$LOCPATH/$1" 2>/dev/null || true
  rm -rf "$tmp"
}

# put_on_keyboard TEXT: each character of TEXT beyond ASCII on a key of its
# own, as on a national keyboard, so that xdotool types TEXT by plain key
# presses. xdotool's own way, a spare key bound for one press, loses such
# characters under Wine: Wine gives a key outside its keyboard layout no
# virtual key, and reads the key's symbol again later, once xdotool has
# unbound it. The keys used are US punctuation keys, which TEXT must then do
# without. The X server resets its keymap when its last client leaves: a Wine
# program must be on the display before this, and stay.
put_on_keyboard() {
  local text=$1 keys=(TLDE AE11 AE12 AD11 AD12 BKSL AC10 AC11 AB10) chars=() ch i
  [[ "$text" != *[\`~=+{}\|\;:\'\"/?\\\[\]-]* ]] || fail "put_on_keyboard: '$text' needs a key it would take"
  for ((i = 0; i < ${#text}; i++)); do
    ch=${text:i:1}
    (($(printf '%d' "'$ch") < 128)) && continue
    [[ " ${chars[*]} " == *" $ch "* ]] || chars+=("$ch")
  done
  ((${#chars[@]} <= ${#keys[@]})) || fail "put_on_keyboard: more than ${#keys[@]} characters beyond ASCII"
  mkdir -p "$WORK/xkb/symbols"
  {
    echo 'xkb_symbols "typed" {'
    for i in "${!chars[@]}"; do
      printf '  key <%s> { [ U%04X, U%04X ] };\n' "${keys[$i]}" "'${chars[$i]}" "'${chars[$i]}"
    done
    echo '};'
  } >"$WORK/xkb/symbols/e2e"
  [[ -e "$KEYMAP_NOTE" ]] || xkbcomp -w0 "$DISPLAY" "$KEYMAP_NOTE" 2>/dev/null || fail "could not read the keymap"
  setxkbmap -print | sed 's/\(xkb_symbols *{ *include "[^"]*\)"/\1+e2e(typed)"/' |
    xkbcomp -w0 -I -I"$WORK/xkb" -I/usr/share/X11/xkb - "$DISPLAY" 2>"$WORK/xkbcomp.log" ||
    fail "could not load the keymap: $(cat "$WORK/xkbcomp.log")"
  # The server names a symbol as it likes (oacute, U0142): a key that changed is what is checked.
  xkbcomp -w0 "$DISPLAY" "$WORK/keymap.xkb" 2>/dev/null || fail "could not read the keymap back"
  for i in "${!chars[@]}"; do
    [[ "$(grep "key <${keys[$i]}> " "$WORK/keymap.xkb")" != "$(grep "key <${keys[$i]}> " "$KEYMAP_NOTE")" ]] ||
      fail "'${chars[$i]}' is not on the keyboard (is a Wine program on the display?)"
  done
}

# --- Wine's relay trace --------------------------------------------------------
# relay_calls TRACE: what the utility's own image called in a relay trace
# (WINEDEBUG=+relay), one line each: "traced N calls, M of them from the
# image at BASE (+SIZE)", then "WIDE dll.Function COUNT" for a Unicode
# function beyond those Windows 95 and 98 have (UNICODE-ON-9X in the import
# list), "CRT dll.Function COUNT" for msvcrt.dll, which Windows 95 lacks, and
# "SEEN Function COUNT" for every function called.
relay_calls() {
  local base size works_on_9x
  works_on_9x=$(awk '$1 == "UNICODE-ON-9X" { $1 = ""; print }' "$(dirname "${BASH_SOURCE[0]}")/../release/windows-imports.txt")
  read -r base size < <(pe_image "$QUIMBLY_EXE")
  # A relay line: "0024:Call user32.CreateWindowExA(...) ret=00401234".
  awk -v base="$base" -v size="$size" -v allowed="$works_on_9x" '
    function hex(s,   n, i) { n = 0; s = tolower(s); for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", substr(s, i, 1)) - 1; return n }
    BEGIN { lo = hex(base); hi = lo + hex(size); split(allowed, list, /[ \n]+/); for (k in list) ok[list[k]] = 1 }
    /^[0-9a-f]+:Call [^ (]+\.[^ (]+\(/ {
      traced++
      n = split($0, part, " ret=")
      if (n < 2 || part[n] !~ /^[0-9a-f]+$/) next
      at = hex(part[n])
      if (at < lo || at >= hi) next
      name = $0; sub(/^[0-9a-f]+:Call /, "", name); sub(/\(.*/, "", name)
      fn = name; sub(/^.*\./, "", fn)
      calls++; seen[fn]++
      if (fn ~ /W$/ && !(fn in ok)) wide[name]++
      if (name ~ /^msvcrt\./) crt[name]++
      if (fn == "GetProcAddress" && index($0, "\"SetProcessShutdownParameters\"")) seen["GetProcAddress(SetProcessShutdownParameters)"]++
    }
    END {
      printf "traced %d calls, %d of them from the image at %s (+%s)\n", traced, calls, base, size
      for (name in wide) printf "WIDE %s %d\n", name, wide[name]
      for (name in crt) printf "CRT %s %d\n", name, crt[name]
      for (fn in seen) printf "SEEN %s %d\n", fn, seen[fn]
    }' "$1"
}

# --- Process ids and images ----------------------------------------------------
# windows_pid EXE-NAME: the Windows process id (hex) of the running program of
# that name in this prefix, as winedbg lists them; empty when none runs.
windows_pid() {
  { "$WINE64" winedbg --command "info proc" 2>/dev/null || true; } | tr -d '\r' |
    awk -v name="'$1'" '$NF == name && !found++ { sub(/^=/, "", $1); print $1 }'
}

# pe_image EXE: "BASE SIZE" of the program's image in memory, in hex.
pe_image() {
  x86_64-w64-mingw32-objdump -p "$1" | awk '$1 == "ImageBase" { base = $2 } $1 == "SizeOfImage" { size = $2 } END { print base, size }'
}

restore_desktop
[[ -z "${WINDOWS_VERSION:-}" ]] || use_windows_version "$WINDOWS_VERSION"
[[ -z "${CODEPAGE:-}" ]] || use_codepage "$CODEPAGE"
[[ -z "${DPI:-}" ]] || use_dpi "$DPI"
