#!/usr/bin/env bash
# The set-up's decisions (scripts/lib/packages.sh) on machines in the states
# an earlier run can leave, with stand-ins for apt, dpkg, the kernel's
# binfmt_misc folder and whatever runs 32-bit programs. The stand-ins print
# more than a pipe holds, so a reader that stops early kills its writer, as
# on a real machine now and then.
#   packages_test.sh [PACKAGES_SH]   (default: the project's own)
# The stand-ins are called by the library, not here:
# shellcheck disable=SC2317
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
library=${1:-$here/../../scripts/lib/packages.sh}
failures=0 passes=0
# shellcheck source=scripts/lib/packages.sh
source "$library"

check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then
    echo "ok   $1"
    passes=$((passes + 1))
  else
    echo "FAIL $1"
    failures=$((failures + 1))
  fi
}

# A machine: T holds its state. registered: the major version of the qemu the
# kernel runs i386 programs with; kernel-runs-i386: the kernel runs them itself.
new_machine() {
  T=$(mktemp -d)
  mkdir -p "$T/binfmt" "$T/bin" "$T/apt/sources.list.d"
  touch "$T/binfmt/register" "$T/binfmt/status" "$T/apt/sources.list" "$T/log"
  printf '%s\n' g++ cmake >"$T/installed"
  cat >"$T/loader" <<EOF
#!/usr/bin/env bash
if [[ -s "$T/registered" ]]; then
  [[ -n \${QEMU_VERSION:-} ]] && { echo "qemu-i386 version \$(cat "$T/registered").0.2 (Debian)"; exit 0; }
elif [[ ! -e "$T/kernel-runs-i386" ]]; then
  echo "cannot execute binary file: Exec format error" >&2; exit 126
fi
echo wine-8.0 "(Debian 8.0~repack-4)"
EOF
  chmod +x "$T/loader"
  # The library's settings, pointed at this machine.
  # shellcheck disable=SC2034
  WINE32_LOADER=$T/loader BINFMT=$T/binfmt APT_DIR=$T/apt QEMU_PATHS=("$T/bin/qemu-i386-static")
}

fake_qemu() {  # fake_qemu PATH MAJOR
  printf '#!/usr/bin/env bash\necho "qemu-i386 version %s.0.2 (Debian)"\n' "$2" >"$1"
  chmod +x "$1"
}

register_old_qemu() {  # what an older set-up left: Debian 12's 7.2, registered with F
  fake_qemu "$T/bin/qemu-i386-static" 7
  echo 7 >"$T/registered"
  printf 'enabled\ninterpreter %s\nflags: F\n' "$T/bin/qemu-i386-static" >"$T/binfmt/qemu-i386"
  echo qemu-user-static >>"$T/installed"
}

padding() { local k; for ((k = 0; k < 4000; k++)); do echo "        100 /var/lib/dpkg/status padding line $k"; done; }

# Stand-ins, as functions so that they take the place of the commands.
debian_codename() { echo bookworm; }
dpkg-query() {
  local package=${*: -1}
  if grep -qxF -e "$package" "$T/installed"; then printf 'install ok installed'; else return 1; fi
}
dpkg() {
  if [[ -e $T/i386 ]]; then echo i386; fi
  padding
}
apt-cache() {
  case $1 in
    madison | policy)
      echo "   Candidate: 1:7.2+dfsg-7+deb12u7"
      echo " qemu-user-static | 1:7.2+dfsg-7+deb12u7 | http://deb.debian.org/debian bookworm/main amd64 Packages"
      [[ -e $T/backports ]] &&
        echo " qemu-user-static | 1:10.0.2+ds-1~bpo12+1 | http://deb.debian.org/debian bookworm-backports/main amd64 Packages"
      padding
      ;;
  esac
}
as_root() {
  echo "$*" >>"$T/log"
  case $1 in
    tee)
      local text
      text=$(cat)
      if [[ $2 == */register ]]; then
        local interpreter
        interpreter=$(cut -d: -f7 <<<"$text")
        "$interpreter" --version | sed 's/^qemu-i386 version \([0-9]*\)\..*/\1/' >"$T/registered"
        printf 'enabled\ninterpreter %s\nflags: F\n' "$interpreter" >"$T/binfmt/qemu-i386"
      elif [[ $2 == "$T/binfmt/"* && $text == -1 ]]; then
        rm -f "$2" "$T/registered"
      elif [[ $2 == *backports* ]]; then
        touch "$T/backports"
      fi
      ;;
    apt-get)
      [[ " $* " == *" install "* ]] || return 0
      local word
      for word in "${@:2}"; do
        [[ $word == -* || $word == install || $word == *backports ]] && continue
        echo "$word" >>"$T/installed"
      done
      if [[ " $* " == *" qemu-user-static"* ]]; then
        if [[ " $* " == *"-t bookworm-backports"* ]]; then fake_qemu "$T/bin/qemu-i386-static" 10; else fake_qemu "$T/bin/qemu-i386-static" 7; fi
      fi
      ;;
    dpkg) touch "$T/i386" ;;
  esac
}

ran() { grep -qF -e "$1" "$T/log"; }
runs_through() { [[ $(cat "$T/registered" 2>/dev/null) == "$1" ]]; }

new_machine
register_old_qemu
ensure_32bit_programs_run >/dev/null
check "Debian 12's qemu 7.2 registered: replaced by backports' qemu 10" runs_through 10
check "... which was installed from backports" ran "install -y -qq -t bookworm-backports qemu-user-static"
check "... and the old entry was removed first" ran "tee $T/binfmt/qemu-i386"
: >"$T/log"
ensure_32bit_programs_run >/dev/null
check "a second run on the mended machine touches nothing" test ! -s "$T/log"

new_machine
fake_qemu "$T/bin/qemu-i386-static" 10
echo 10 >"$T/registered"
ensure_32bit_programs_run >/dev/null
check "a recent qemu registered: nothing touched" test ! -s "$T/log"

new_machine
touch "$T/backports"
ensure_32bit_programs_run >/dev/null
check "nothing runs 32-bit programs: a recent qemu from backports is registered" runs_through 10
check "... without listing backports again" test ! -e "$T/apt/sources.list.d/bookworm-backports.list"

new_machine
touch "$T/kernel-runs-i386"
ensure_32bit_programs_run >/dev/null
check "a kernel that runs 32-bit programs itself: nothing touched" test ! -s "$T/log"

new_machine
touch "$T/kernel-runs-i386"
register_old_qemu
ensure_32bit_programs_run >/dev/null
check "... even with an old qemu left registered: it is removed and none installed" \
  bash -c "[[ ! -e '$T/registered' ]] && ! grep -q install '$T/log'"

new_machine
apt-cache() { echo " qemu-user-static | 1:7.2+dfsg-7+deb12u7 | http://deb.debian.org/debian bookworm/main amd64 Packages"; }
check "no recent qemu to be had: the set-up fails" bash -c "! (ensure_32bit_programs_run) >/dev/null 2>&1"
unset -f apt-cache

new_machine
ensure_packages g++ cmake >/dev/null
check "every package installed: no apt-get" test ! -s "$T/log"
ensure_packages g++ wine32:i386 xvfb >/dev/null
check "missing ones: i386 added, then exactly those installed" \
  bash -c "grep -qx 'dpkg --add-architecture i386' '$T/log' && grep -q 'install -y -qq wine32:i386 xvfb\$' '$T/log'"

echo "$passes passed, $failures failed"
((failures == 0))
