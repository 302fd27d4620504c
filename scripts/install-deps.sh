#!/usr/bin/env bash
# Installs the Debian packages mifkit builds with, when any is missing. Extra
# packages named as arguments (the Windows cross build's) are installed too,
# without their recommendations.
set -euo pipefail

packages=(cmake g++ make flex bison pkg-config libcli11-dev nlohmann-json3-dev
          libgtest-dev libgmock-dev libbenchmark-dev hyperfine)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
updated=0

# install_missing [APT-OPTION...] -- PACKAGE...
install_missing() {
  local options=()
  while [ "$1" != "--" ]; do options+=("$1"); shift; done
  shift
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  if [ "$updated" -eq 0 ]; then
    $SUDO apt-get update
    updated=1
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${options[@]}" "${missing[@]}"
}

install_missing -- "${packages[@]}"
[ $# -eq 0 ] || install_missing --no-install-recommends -- "$@"
