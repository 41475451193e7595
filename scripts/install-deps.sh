#!/usr/bin/env bash
# Installs the Debian packages the planner needs to build and test.
# Does nothing when every package is already present.
set -euo pipefail

packages=(qt6-base-dev libturbojpeg0-dev libjpeg62-turbo-dev cmake g++ make pkgconf fonts-wine)
if [[ "${1:-}" == "--gui-checks" ]]; then
  packages+=(xvfb xauth xdotool imagemagick xclip)
fi
if [[ "${1:-}" == "--package" ]]; then
  # dpkg-shlibdeps works out the package's dependencies; the validators check its desktop files.
  packages+=(dpkg-dev desktop-file-utils appstream)
fi
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(libbenchmark-dev time)
fi
if [[ "${1:-}" == "--fuzz" ]]; then
  # clang with libFuzzer and the sanitizer runtimes (LeakSanitizer too), for `make fuzz`.
  packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
