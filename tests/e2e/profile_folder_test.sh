#!/usr/bin/env bash
# The profile in the user's own folder when its name holds characters the
# system's code page lacks, as an account named in another script has it:
# current Windows keeps the file in %APPDATA%, NT 4.0 (which sets no
# %APPDATA%) in "Application Data" under %USERPROFILE%, and both reach it by
# its full name. c:\windows\system is away, as for a standard user. A first
# run stores the handle there, the next start announces it, a change of
# handle deletes and rewrites it; the file holds the handle in the code
# page's bytes throughout, and no other file is made. With Wine reporting
# Windows 98, whose names are always in the code page, the same runs with a
# folder named in it, through the ANSI functions alone (the relay trace
# shows no wide call from the exe).
#   profile_folder_test.sh appdata|userprofile
source "$(dirname "$0")/lib.sh"

where=${1:?appdata or userprofile}
codepage=${CODEPAGE:-1252}
# The user's folder and two handles typed into the dialogs, each handle with
# a character of the code page beyond ASCII.
case ${WINDOWS_VERSION:-}:$where:$codepage in
  win98:appdata:1252) folder='Chloé' first='Zoë' second='Jürgen' ;;
  *:appdata:1252) folder='Σοφία' first='Zoë' second='Jürgen' ;;  # Greek on a Western system
  *:userprofile:1252) folder='Michał' first='Zoë' second='Jürgen' ;;  # Polish on a Western system
  *:appdata:1250) folder='Наталья' first='Michał' second='Žofie' ;;  # Cyrillic on a Central European one
  *:appdata:1251) folder='王芳' first='Жанна' second='Ёлка' ;;  # Chinese on a Cyrillic one
  *) fail "no folder name for ${WINDOWS_VERSION:-the default Windows}, $where, code page $codepage" ;;
esac
held() { printf '%s' "$1" | iconv -f UTF-8 -t "CP$codepage" >/dev/null 2>&1; }
if [[ ${WINDOWS_VERSION:-} == win9? ]]; then
  held "$folder" || fail "Windows 9x names are in the code page; '$folder' is not in $codepage"
else
  ! held "$folder" || fail "code page $codepage holds '$folder': the test would show nothing"
fi
bytes() { printf '%s' "$1" | iconv -f UTF-8 -t "CP$codepage"; }

user=$WORK/users/$folder
case $where in
  appdata)
    home=$user/AppData/Roaming
    variables=("APPDATA=$(winpath "$home")")
    ;;
  userprofile)
    home=$user/Application\ Data
    variables=(APPDATA= "USERPROFILE=$(winpath "$user")")
    ;;
  *) fail "unknown case $where" ;;
esac
profile=$home/qbv1.ini
mkdir -p "$home"
hide_historic_folder
earlier=$(find "$WINEPREFIX/drive_c" -iname qbv1.ini | sort)

# start [main|first-run]: the utility with the user's folder in its
# environment; on 9x under the relay trace.
start() {
  if [[ ${WINDOWS_VERSION:-} == win9? ]]; then
    WINEDEBUG=+relay start_quimbly "$1" "${variables[@]}"
  else
    start_quimbly "$1" "${variables[@]}"
  fi
}

# expect_profile HANDLE: the one profile file the run made, where it
# belongs, holding HANDLE in the code page.
expect_profile() {
  local made
  printf '[qbv1]\r\nHANDLE=%s\r\n' "$(bytes "$1")" | expect_bytes "$profile"
  made=$(comm -13 <(echo "$earlier") <(find "$WORK" "$WINEPREFIX/drive_c" -iname qbv1.ini | sort))
  [[ "$made" == "$profile" ]] || fail "the run made these profile files: $made"
}

start_host room
put_on_keyboard "$first$second"
start first-run
type_first_handle "$first"
click_first_run_ok
wait_until 30 test -f "$profile" || fail "no profile in $home; the run made: $(find "$WORK" -iname qbv1.ini)"
expect_profile "$first"
wait_for_main_window
close_quimbly 30

start main
wait_for_lines "$(transcript)" 4 30
open_file_menu
choose_change_handle
[[ ! -e "$profile" ]] || fail "the change-handle dialog left the old profile"
type_new_handle "$second"
wait_gone '^Form4$'
wait_for_main_window
expect_profile "$second"
close_quimbly 30
{
  line_by
  line_unloaded ""
  line_by
  line_loaded "$(bytes "$first")"
  line_by
  line_unloaded "$(bytes "$second")"
} | expect_bytes "$(transcript)"

if [[ ${WINDOWS_VERSION:-} == win9? ]]; then
  relay_calls "$WORK/quimbly.log" >"$WORK/relay-calls.txt"
  head -n 1 "$WORK/relay-calls.txt"
  ! grep '^WIDE ' "$WORK/relay-calls.txt" || fail "the exe called wide functions Windows $WINDOWS_VERSION lacks"
  for call in GetEnvironmentVariableA FindFirstFileA WritePrivateProfileStringA GetPrivateProfileStringA DeleteFileA; do
    grep -q "^SEEN $call " "$WORK/relay-calls.txt" || fail "no call of $call from the exe: the trace does not show the profile"
  done
fi
echo "PASS: the profile in '$folder' ($where, code page $codepage${WINDOWS_VERSION:+, $WINDOWS_VERSION}) holds each handle in the code page's bytes"
