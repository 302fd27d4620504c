#!/usr/bin/env bash
# Installs the Debian packages mifkit builds with, when any is missing. Extra
# packages named as arguments (the Windows cross build's) are installed too,
# without their recommendations; NAME:i386 adds the i386 architecture first.
set -euo pipefail

packages=(cmake g++ make flex bison pkg-config libcli11-dev nlohmann-json3-dev
          libgtest-dev libgmock-dev libbenchmark-dev python3-dev pybind11-dev python3-pybind11 python3-pytest
          hyperfine)

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
  # 32-bit packages (NAME:i386) need the architecture, and a new package list.
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    updated=0
  fi
  if [ "$updated" -eq 0 ]; then
    $SUDO apt-get update
    updated=1
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${options[@]}" "${missing[@]}"
}

install_missing -- "${packages[@]}"
[ $# -eq 0 ] || install_missing --no-install-recommends -- "$@"
