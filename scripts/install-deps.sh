#!/usr/bin/env bash
# Installs the Debian packages the planner needs to build and test.
# Does nothing when every package is already present.
set -euo pipefail

# help2man writes the manual page from the program's --help at build time.
packages=(qt6-base-dev libturbojpeg0-dev libjpeg62-turbo-dev cmake g++ make pkgconf fonts-wine help2man)
# Any of the flags below, several at once if need be (CI takes --bench and --fuzz).
for flag in "$@"; do
  case "$flag" in
    --gui-checks) packages+=(xvfb xauth xdotool imagemagick xclip) ;;
    # dpkg-shlibdeps works out the package's dependencies; the validators check its desktop files.
    --package) packages+=(dpkg-dev desktop-file-utils appstream) ;;
    --bench) packages+=(libbenchmark-dev time) ;;
    # clang with libFuzzer and the sanitizer runtimes (LeakSanitizer too), for `make fuzz`.
    --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    *)
      echo "install-deps: unknown flag $flag" >&2
      exit 2
      ;;
  esac
done

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
