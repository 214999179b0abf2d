#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (as root).
# Quick when everything is present; never fails because 32-bit Wine is missing.
set -u

packages=(
    cmake ninja-build g++ make pkg-config
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
    googletest libgtest-dev
    # libFuzzer, for the fuzz targets of the core.
    clang-14 libclang-rt-14-dev
    wine wine64
    # What Wine recommends for drawing: without these a drawing context's
    # default font is another face and text lands elsewhere.
    fonts-wine fonts-liberation
    libxrender1 libxcursor1 libxi6 libxrandr2 libxinerama1 libxcomposite1 libxfixes3
    xvfb xauth x11-utils xdotool imagemagick zip unzip cloc
    python3 python3-pil fonts-dejavu-core fonts-urw-base35
    # The installed launcher's progress window on a first start, and the
    # menu entry's check in the install test.
    zenity desktop-file-utils
)

# The same drawing libraries for 32-bit Wine, tried together with it.
wine32_packages=(
    wine32:i386 libxrender1:i386 libxcursor1:i386 libxi6:i386 libxrandr2:i386
    libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386
)

sudo_prefix=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_prefix=(sudo)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    # An index of one architecture may fail to download; carry on with the others.
    "${sudo_prefix[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 update ||
        echo "setup: apt-get update reported errors; continuing with the indexes it has"
    "${sudo_prefix[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout=600 -y install --no-install-recommends "${missing[@]}" || {
        echo "setup: could not install ${missing[*]}" >&2
        exit 1
    }
fi

# 32-bit Wine is a bonus that lets the tests run the i686 build too. Try it
# once per machine, in a step of its own, and undo the i386 architecture when
# it does not install so later apt runs stay clean. Where it did install,
# later additions to the list are installed too.
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
# A kernel without 32-bit support installs 32-bit Wine but cannot start it,
# and then every wine command fails, the 64-bit ones too: it is taken out
# again, with the i386 architecture.
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
# Why the i686 tests cannot run here, for the test command to report.
reason=/var/lib/wexa-setup/wine32-not-run
note_reason() {
    "${sudo_prefix[@]}" mkdir -p "$(dirname "$reason")"
    echo "$1" | "${sudo_prefix[@]}" tee "$reason" >/dev/null
}
remove_wine32() {
    echo "setup: this machine cannot run 32-bit programs; removing 32-bit Wine"
    note_reason "this machine cannot start 32-bit programs ($(/usr/lib/wine/wine --version 2>&1 | head -n 1 | sed 's/^.*: //'))"
    local i386
    i386=$(dpkg-query -W -f='${Package}:${Architecture} ${Status}\n' 2>/dev/null |
        awk '$1 ~ /:i386$/ && / installed$/ { print $1 }')
    # Foreign-architecture packages only: the essential ones among them are not the system's.
    # shellcheck disable=SC2086
    [ -z "$i386" ] || "${sudo_prefix[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get -o DPkg::Lock::Timeout=600 -y --allow-remove-essential purge $i386 >/dev/null 2>&1
    "${sudo_prefix[@]}" dpkg --remove-architecture i386 2>/dev/null || true
    "${sudo_prefix[@]}" apt-get -o DPkg::Lock::Timeout=600 update >/dev/null 2>&1 || true
}
if installed wine32:i386 && ! wine32_runs; then
    remove_wine32
fi
marker=/var/lib/wexa-setup/wine32-tried
wine32_missing=()
for package in "${wine32_packages[@]}"; do
    installed "$package" || wine32_missing+=("$package")
done
if [ ${#wine32_missing[@]} -gt 0 ] && { installed wine32:i386 || [ ! -e "$marker" ]; }; then
    echo "setup: trying 32-bit Wine (optional): ${wine32_missing[*]}"
    "${sudo_prefix[@]}" mkdir -p "$(dirname "$marker")"
    "${sudo_prefix[@]}" touch "$marker"
    if "${sudo_prefix[@]}" dpkg --add-architecture i386 &&
        { "${sudo_prefix[@]}" apt-get -o DPkg::Lock::Timeout=600 update >/dev/null 2>&1 || true; } &&
        "${sudo_prefix[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get -o DPkg::Lock::Timeout=600 -y install --no-install-recommends "${wine32_missing[@]}" >/dev/null 2>&1; then
        if wine32_runs; then
            echo "setup: 32-bit Wine installed"
            "${sudo_prefix[@]}" rm -f "$reason"
        else
            remove_wine32
        fi
    else
        echo "setup: 32-bit Wine is not available here; the i686 build is compiled but not run"
        note_reason "32-bit Wine could not be installed from this machine's package indexes"
        if ! dpkg -l | awk '{print $2}' | grep -q ':i386$'; then
            "${sudo_prefix[@]}" dpkg --remove-architecture i386 2>/dev/null || true
            "${sudo_prefix[@]}" apt-get -o DPkg::Lock::Timeout=600 update >/dev/null 2>&1 || true
        fi
    fi
fi
exit 0
