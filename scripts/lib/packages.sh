# ensure_packages NAME...: installs the Debian packages that are missing.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "installing Debian packages: ${missing[*]}"
  if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "${missing[@]}" >/dev/null
}

as_root() {
  if [[ $(id -u) == 0 ]]; then "$@"; else sudo "$@"; fi
}

# What building both exes and running them under Wine takes. wine32 lets one
# prefix run 32-bit programs beside 64-bit ones, as 64-bit Windows does.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-i686 g++-mingw-w64-x86-64)
# locales: the glibc sources of the locales that give Wine the Central
# European and Cyrillic code pages.
WINE_PACKAGES=(wine wine64 wine32:i386 xvfb xdotool xclip x11-utils x11-xkb-utils imagemagick procps locales)

# ensure_32bit_programs_run: 32-bit Linux programs (Wine's 32-bit half) must
# run here. Some kernels are booted without 32-bit support (ia32_emulation=off,
# as on some virtual machines); there the 32-bit programs run through
# qemu-user, registered for them with the kernel. It must be a recent one (9
# or later; Debian 12 has 10 in its backports): older ones, like Debian 12's
# own 7.2, take a minute to start each 32-bit Wine process.
ensure_32bit_programs_run() {
  local probe=/usr/lib/wine/wine
  [[ -x "$probe" ]] || { echo "no 32-bit Wine ($probe): install wine32:i386" >&2; return 1; }
  "$probe" --version >/dev/null 2>&1 && return 0
  echo "this kernel runs no 32-bit programs; running them through qemu-user"
  local qemu=/usr/bin/qemu-i386
  if ! { [[ -x "$qemu" ]] && qemu_is_recent "$qemu"; }; then
    if apt-cache policy qemu-user-static | grep -q 'Candidate: 1:[0-7]\.'; then
      enable_backports
      DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq -t "$(debian_codename)-backports" \
        qemu-user-static >/dev/null
    else
      ensure_packages qemu-user-static
    fi
    [[ -x "$qemu" ]] || qemu=/usr/bin/qemu-i386-static
  fi
  if [[ ! -e /proc/sys/fs/binfmt_misc/register ]]; then
    as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  fi
  if [[ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]]; then
    echo -1 | as_root tee /proc/sys/fs/binfmt_misc/qemu-i386 >/dev/null
  fi
  # i386 ELF executables and shared objects; F: the kernel keeps qemu open,
  # so it serves every mount namespace.
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' |
    as_root tee /proc/sys/fs/binfmt_misc/register >/dev/null
  "$probe" --version >/dev/null 2>&1 || { echo "32-bit programs still do not run (through $qemu)" >&2; return 1; }
}

qemu_is_recent() {
  local major
  major=$("$1" --version | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p')
  [[ -n "$major" ]] && ((major >= 9))
}

debian_codename() { . /etc/os-release && echo "$VERSION_CODENAME"; }

enable_backports() {
  local codename list
  codename=$(debian_codename)
  list=/etc/apt/sources.list.d/$codename-backports.list
  grep -rqs "$codename-backports" /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
  echo "adding Debian's $codename-backports to apt's sources ($list)"
  echo "deb http://deb.debian.org/debian $codename-backports main" | as_root tee "$list" >/dev/null
  as_root apt-get update -qq
}
