# ensure_packages NAME...: installs the Debian packages that are missing.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "installing Debian packages: ${missing[*]}"
  local sudo=()
  [[ $(id -u) == 0 ]] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# What building the exe and running it under Wine takes.
WINDOWS_BUILD_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64)
WINE_PACKAGES=(wine wine64 xvfb xdotool x11-utils imagemagick procps)
