#!/usr/bin/env bash
# Installs what the build, the tests and the sandbox host need on Debian, and
# prepares the Japanese locale that gives Wine code page 932. As root it
# installs with apt-get; otherwise it prints the exact command to run.
#   setup.sh [pictures]   pictures: also what makes the README's pictures
set -euo pipefail

packages=(
    cmake ninja-build
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    clang lld
    googletest
    wine wine64 fonts-wine
    xvfb xauth
    locales fonts-ipafont-gothic
    libc-bin  # iconv, for the package's readme.txt
)
if [ "${1:-}" = pictures ]; then packages+=(imagemagick); fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -eq 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    else
        echo "Missing packages. Run:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    if [ "$(id -u)" -eq 0 ]; then
        sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
        grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
        locale-gen >/dev/null
    else
        echo "The ja_JP.UTF-8 locale is missing. Run:" >&2
        echo "  sudo sh -c \"sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen && locale-gen\"" >&2
        exit 1
    fi
fi
