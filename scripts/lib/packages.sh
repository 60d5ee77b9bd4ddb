# What the build and the tests need on a Debian machine, installed only when
# missing. Every decision below reads a command's whole output first and then
# looks at it: a pipe into `grep -q` under pipefail fails whenever grep stops
# reading early, and would take the wrong branch.

# shellcheck shell=bash
# The package lists are read by the scripts that source this.
# shellcheck disable=SC2034

# What building both exes and running them under Wine takes. wine32 lets one
# prefix run 32-bit programs beside 64-bit ones, as 64-bit Windows does.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-i686 g++-mingw-w64-x86-64)
# locales: the glibc sources of the locales that give Wine the Central
# European and Cyrillic code pages.
WINE_PACKAGES=(wine wine64 wine32:i386 xvfb xdotool xclip x11-utils x11-xkb-utils imagemagick procps locales)

# The oldest qemu-user that runs Wine's 32-bit half at a usable speed: older
# ones, like Debian 12's own 7.2, take a minute to start each Wine process.
QEMU_RECENT_MAJOR=9
# Any 32-bit program of Wine's will do to ask who runs 32-bit programs.
WINE32_LOADER=/usr/lib/wine/wine
BINFMT=/proc/sys/fs/binfmt_misc
APT_DIR=/etc/apt
# Where the qemu-user packages put qemu-i386, the static one first.
QEMU_PATHS=(/usr/bin/qemu-i386-static /usr/bin/qemu-i386)

as_root() {
  if [[ $(id -u) == 0 ]]; then "$@"; else sudo "$@"; fi
}

# shellcheck source=/dev/null
debian_codename() { (. /etc/os-release && echo "$VERSION_CODENAME"); }

package_installed() {
  local status
  status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
  [[ $status == "install ok installed" ]]
}

# apt_update: a mirror caught mid-sync fails an index or two; what was read
# still serves, so that is a warning, not the end of the set-up.
apt_update() {
  as_root apt-get update -qq || echo "warning: apt-get update did not read every index; going on with what it read" >&2
}

# apt_install [-t SUITE] PACKAGE...: where the amd64 and i386 indexes of the
# security suite disagree (a mirror mid-sync), 32-bit packages cannot match
# their 64-bit twins; the release's own suite always has both, so it is the
# second try.
apt_install() {
  # A run cut off while dpkg worked leaves packages half set up; apt-get
  # refuses to go on until they are finished.
  as_root dpkg --configure -a
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "$@" >/dev/null && return 0
  echo "apt-get install $* failed; trying again with the release's own suite first" >&2
  [[ $1 == -t ]] && return 1
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq -t "$(debian_codename)" "$@" >/dev/null
}

# ensure_packages NAME...: installs the Debian packages that are missing.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    package_installed "$package" || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "installing Debian packages: ${missing[*]}"
  local foreign
  foreign=$(dpkg --print-foreign-architectures)
  if [[ " ${missing[*]} " == *:i386* && $'\n'$foreign$'\n' != *$'\n'i386$'\n'* ]]; then
    as_root dpkg --add-architecture i386
  fi
  apt_update
  apt_install "${missing[@]}"
}

# who_runs_i386: how this machine runs a 32-bit program now. Prints "qemu N"
# (N: the major version of the qemu-user registered for them, asked of the
# running interpreter itself, since the kernel keeps the binary it was given
# open even after its package is upgraded), "kernel" when the kernel runs
# them itself, or "none".
who_runs_i386() {
  local answer
  # qemu-user reads QEMU_VERSION from the environment and only says its version.
  if answer=$(QEMU_VERSION=1 "$WINE32_LOADER" --version 2>&1); then
    if [[ $answer =~ ^qemu-i386\ version\ ([0-9]+)\. ]]; then
      echo "qemu ${BASH_REMATCH[1]}"
    else
      echo kernel
    fi
  else
    echo none
  fi
}

# newest_qemu_source: the suite to install qemu-user-static from ("" for the
# release's default, else a suite for -t) so that it is recent enough, from
# the versions apt knows; fails when none is.
newest_qemu_source() {
  local listing line version suite best=0 source=
  # " qemu-user-static | 1:10.0.2+ds-1~bpo12+1 | http://deb.debian.org/debian bookworm-backports/main amd64 Packages"
  local row='^[^|]*\|[ ]*([0-9]+:)?([0-9]+)\.[^|]*\|[ ]*[^ ]+[ ]+([^/ ]+)'
  listing=$(apt-cache madison qemu-user-static 2>/dev/null) || listing=
  while IFS= read -r line; do
    [[ $line =~ $row ]] || continue
    version=${BASH_REMATCH[2]} suite=${BASH_REMATCH[3]}
    if ((version >= QEMU_RECENT_MAJOR && version > best)); then
      best=$version
      if [[ $suite == *-backports ]]; then source=$suite; else source=; fi
    fi
  done <<<"$listing"
  ((best)) || return 1
  echo "$source"
}

# ensure_backports_listed: Debian 12 has a recent qemu only in its backports.
ensure_backports_listed() {
  local codename list
  codename=$(debian_codename)
  list=$APT_DIR/sources.list.d/$codename-backports.list
  if grep -rqs -e "$codename-backports" "$APT_DIR/sources.list" "$APT_DIR/sources.list.d/"; then return 0; fi
  echo "adding Debian's $codename-backports to apt's sources ($list)"
  echo "deb http://deb.debian.org/debian $codename-backports main" | as_root tee "$list" >/dev/null
  apt_update
}

# installed_recent_qemu: the path of an installed qemu-i386 recent enough.
installed_recent_qemu() {
  local qemu answer
  for qemu in "${QEMU_PATHS[@]}"; do
    [[ -x $qemu ]] || continue
    answer=$("$qemu" --version 2>/dev/null) || continue
    [[ $answer =~ ^qemu-i386\ version\ ([0-9]+)\. ]] && ((BASH_REMATCH[1] >= QEMU_RECENT_MAJOR)) && { echo "$qemu"; return 0; }
  done
  return 1
}

install_recent_qemu() {
  local source
  if ! source=$(newest_qemu_source); then
    ensure_backports_listed
    source=$(newest_qemu_source) || {
      echo "FAIL: this kernel runs no 32-bit programs, and apt offers no qemu-user-static $QEMU_RECENT_MAJOR or later" >&2
      echo "      to run them (Debian 12 has one in bookworm-backports). Install one and run this again." >&2
      return 1
    }
  fi
  echo "installing qemu-user-static from ${source:-$(debian_codename)}"
  if [[ -n $source ]]; then apt_install -t "$source" qemu-user-static; else apt_install qemu-user-static; fi
}

# unregister_i386_interpreters: every entry that hands i386 programs to a qemu.
unregister_i386_interpreters() {
  local entry interpreter
  for entry in "$BINFMT"/*; do
    [[ -f $entry && $entry != */register && $entry != */status ]] || continue
    interpreter=$(sed -n 's/^interpreter //p' "$entry")
    [[ $interpreter == *qemu-i386* ]] || continue
    echo "unregistering $interpreter (${entry##*/})"
    echo -1 | as_root tee "$entry" >/dev/null
  done
}

register_i386_interpreter() {
  # i386 ELF executables and shared objects; F: the kernel opens the binary
  # now and keeps it, so it serves every mount namespace and chroot.
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$1"':F' |
    as_root tee "$BINFMT/register" >/dev/null
}

# ensure_32bit_programs_run: Wine's 32-bit half must run here, and fast
# enough. Some kernels are booted without 32-bit support (ia32_emulation=off,
# as on some virtual machines); there a recent qemu-user runs them, registered
# with the kernel. Changes nothing on a machine that is already right.
ensure_32bit_programs_run() {
  [[ -x $WINE32_LOADER ]] || { echo "FAIL: no 32-bit Wine ($WINE32_LOADER): install wine32:i386" >&2; return 1; }
  [[ -e $BINFMT/register ]] || as_root mount -t binfmt_misc binfmt_misc "$BINFMT"
  local runner
  runner=$(who_runs_i386)
  case $runner in
    kernel) return 0 ;;
    "qemu "*)
      ((${runner#qemu } >= QEMU_RECENT_MAJOR)) && return 0
      echo "32-bit programs run through $runner, too slow for Wine: replacing it"
      unregister_i386_interpreters
      # Without it, the kernel may run them itself.
      [[ $(who_runs_i386) == kernel ]] && return 0
      ;;
    none) echo "this kernel runs no 32-bit programs; running them through qemu-user" ;;
  esac
  local qemu
  qemu=$(installed_recent_qemu) || { install_recent_qemu && qemu=$(installed_recent_qemu); } || {
    echo "FAIL: no qemu-i386 $QEMU_RECENT_MAJOR or later after installing qemu-user-static" >&2
    return 1
  }
  unregister_i386_interpreters
  register_i386_interpreter "$qemu"
  runner=$(who_runs_i386)
  if [[ $runner != "qemu "* ]] || ((${runner#qemu } < QEMU_RECENT_MAJOR)); then
    echo "FAIL: 32-bit programs still do not run through a recent qemu ($qemu: $runner)" >&2
    return 1
  fi
  echo "32-bit programs now run through $qemu"
}
