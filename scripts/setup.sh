#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, and only what is
# missing: quiet and quick when everything is there already.
set -euo pipefail

need_packages=()
have() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

have cmake                       || need_packages+=(cmake)
have g++                         || need_packages+=(g++)
have clang++                     || need_packages+=(clang)
have_pkg libclang-rt-14-dev      || need_packages+=(libclang-rt-14-dev)
have_pkg libgtest-dev            || need_packages+=(libgtest-dev)
have_pkg libbenchmark-dev        || need_packages+=(libbenchmark-dev)
[ -f /usr/src/googletest/CMakeLists.txt ] || need_packages+=(googletest)
have i686-w64-mingw32-g++-posix  || need_packages+=(g++-mingw-w64-i686-posix)
have i686-w64-mingw32-windres    || need_packages+=(binutils-mingw-w64-i686)
have wine                        || need_packages+=(wine)
have_pkg wine32:i386             || need_packages+=(wine32:i386)
have Xvfb                        || need_packages+=(xvfb)
have xvfb-run                    || need_packages+=(xvfb)
have xauth                       || need_packages+=(xauth)
have xdotool                     || need_packages+=(xdotool)
have python3                     || need_packages+=(python3)
have import                      || need_packages+=(imagemagick)
have_pkg fonts-wqy-microhei      || need_packages+=(fonts-wqy-microhei)
have_pkg fonts-wine              || need_packages+=(fonts-wine)  # Marlett: the caption buttons
have_pkg locales                 || need_packages+=(locales)

if [ ${#need_packages[@]} -gt 0 ]; then
  echo "setup: installing ${need_packages[*]}" >&2
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    have sudo || { echo "setup: need root (or sudo) to install: ${need_packages[*]}" >&2; exit 1; }
    sudo="sudo"
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  if ! { $sudo apt-get update -qq &&
         DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
           "${need_packages[@]}" >/dev/null; }; then
    echo "setup: could not install ${need_packages[*]} through apt; install them by hand and run again" >&2
    exit 1
  fi
fi

# Wine takes its ANSI code page (936) from the zh_CN locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating the zh_CN.UTF-8 locale" >&2
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if ! { $sudo sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen &&
         { grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null; } &&
         $sudo locale-gen >/dev/null; }; then
    echo "setup: could not generate the zh_CN.UTF-8 locale" >&2
    exit 1
  fi
fi
