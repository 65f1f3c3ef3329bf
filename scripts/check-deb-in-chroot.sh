#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Pathwick! Debian package into a fresh, minimal Debian 12 (bookworm) root and starts
# the program there, to show that the package names everything it needs. Needs root and network
# access to the Debian mirror; takes a few minutes.
#   scripts/check-deb-in-chroot.sh [DEB]     default: build-pkg/packages/pathwick_1.0.0_amd64.deb
# Set KEEP_CHROOT=1 to keep the root directory afterwards (its path is printed).
set -euo pipefail
cd "$(dirname "$0")/.."

mirror=http://deb.debian.org/debian
deb=$(realpath "${1:-build-pkg/packages/pathwick_1.0.0_amd64.deb}")
if [[ ! -f "$deb" ]]; then
    echo "check-deb-in-chroot.sh: $deb not found; build it with scripts/package.sh" >&2
    exit 1
fi
if [[ $(id -u) -ne 0 ]]; then
    echo "check-deb-in-chroot.sh: debootstrap and chroot need root; run it with sudo" >&2
    exit 1
fi
if ! command -v debootstrap >/dev/null; then
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap
fi

# Debian's checker first, on this machine (77: lintian is not installed here).
set +e
scripts/check-deb.sh --hardened "$deb"
rc=$?
set -e
if ((rc != 0 && rc != 77)); then
    echo "== FAILED: the package does not pass scripts/check-deb.sh"
    exit 1
fi

# apt-get installs what a package recommends, as a desktop's package tool does.
recommends=$(dpkg-deb -f "$deb" Recommends)
echo "== Recommends: $recommends"
if [[ ", $recommends," != *", qt6-wayland,"* ]]; then
    echo "== FAILED: the package does not recommend qt6-wayland"
    exit 1
fi

root=$(mktemp -d /var/tmp/pathwick-chroot.XXXXXX)
mounts=()
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" || umount -l "${mounts[i]}" || true
    done
    if grep -q " $root/" /proc/mounts; then
        echo "check-deb-in-chroot.sh: something is still mounted under $root; not removing it" >&2
    elif [[ "${KEEP_CHROOT:-0}" == 1 ]]; then
        echo "root kept in $root"
    else
        rm -rf "$root"
    fi
}
trap cleanup EXIT
mount_in_root() {  # type target-in-root source [options]
    mount -t "$1" "${3:-none}" "$root$2" ${4:+-o "$4"}
    mounts+=("$root$2")
}

echo "== debootstrap --variant=minbase bookworm $root $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
    tail -n 30 "$root.debootstrap.log"
    exit 1
}
rm -f "$root.debootstrap.log"

mount_in_root proc /proc proc
mount_in_root sysfs /sys sysfs
mount_in_root devpts /dev/pts devpts newinstance,ptmxmode=0666
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
package=$(basename "$deb")

# The PATH of a user's session on Debian has /usr/games, where the desktop entry finds the game.
in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin:/usr/games HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

echo "== apt-get install -y ./$package"
if ! in_root sh -c "cd /tmp && apt-get update -q && apt-get install -y -q ./$package" \
    >"$root/tmp/apt.log" 2>&1; then
    cat "$root/tmp/apt.log"
    echo "== FAILED: the package does not install"
    exit 1
fi
grep -E 'newly installed|^Setting up pathwick' "$root/tmp/apt.log"
# shellcheck disable=SC2016  # dpkg-query's own fields
in_root dpkg-query -W -f='${Package} ${Version}: ${Status}\n' pathwick

failures=0
echo "== libraries of /usr/games/pathwick that are not found"
if in_root ldd /usr/games/pathwick | grep 'not found'; then
    failures=$((failures + 1))
else
    echo "none"
fi

echo "== font for the printout"
if in_root test -f /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf; then
    echo "DejaVu Sans Mono installed"
else
    echo "DejaVu Sans Mono missing"
    failures=$((failures + 1))
fi

echo "== Qt's Wayland platform (recommended)"
if in_root sh -c 'ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so' 2>/dev/null; then
    :
else
    echo "missing"
    failures=$((failures + 1))
fi

echo "== the maze files' MIME type in the shared MIME database"
if in_root test -x /usr/bin/update-mime-database; then
    if in_root test -f /usr/share/mime/application/x-pathwick-maze.xml; then
        echo "application/x-pathwick-maze registered"
    else
        echo "application/x-pathwick-maze not registered"
        failures=$((failures + 1))
    fi
else
    echo "(shared-mime-info is not installed in the root; nothing to register the type with)"
fi

echo "== QT_QPA_PLATFORM=offscreen timeout 5 pathwick"
set +e
in_root env QT_QPA_PLATFORM=offscreen timeout 5 pathwick
rc=$?
set -e
echo "rc=$rc"
# 124: still running when timeout stopped it, which is what a game waiting for the player does.
if ((rc != 124 && rc != 0)); then failures=$((failures + 1)); fi

echo "== PATHWICK_CHECK_RULES=1 QT_QPA_PLATFORM=offscreen timeout 10 pathwick"
set +e
in_root env PATHWICK_CHECK_RULES=1 QT_QPA_PLATFORM=offscreen timeout 10 pathwick
rc=$?
set -e
echo "rc=$rc"
case $rc in
    0) ;;
    124) echo "(this build of the program has no rules check; it ran until stopped)" ;;
    *) failures=$((failures + 1)) ;;
esac

if ((failures > 0)); then
    echo "== FAILED: $failures check(s)"
    exit 1
fi
echo "== the package installs and runs in a clean bookworm root"
