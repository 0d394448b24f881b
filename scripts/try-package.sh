#!/usr/bin/env bash
# Installs the Debian package on a fresh Debian 12 and starts the editor as
# the application menu would. The fresh machine is a minimal bookworm made
# by debootstrap in a folder (kept between runs, refreshed with apt): the
# package goes in with `apt install ./zinta-editor_*.deb`, so every
# dependency comes from Debian's archive, not from this machine. Then the
# command line of the installed desktop entry runs twice: once rendering
# the main window to a PNG (no display needed), once in a real window on
# this machine's Xvfb, photographed. Last, the package is removed again.
# Needs root and the network to deb.debian.org.
#   scripts/try-package.sh [PACKAGE.deb] [--root DIR] [--out DIR]
# Without a package it builds one with scripts/package.sh.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

deb=""
root=/var/tmp/zinta-bookworm
out=$here/build-package/try
while [ $# -gt 0 ]; do
    case "$1" in
    --root) root=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    -h | --help) sed -n '2,13p' "$0"; exit 0 ;;
    -*) echo "try-package.sh: unknown option $1" >&2; exit 2 ;;
    *) deb=$1; shift ;;
    esac
done
if [ "$(id -u)" != 0 ]; then
    echo "try-package.sh: needs root (debootstrap and chroot)" >&2
    exit 2
fi

. "$here/scripts/setup.sh"
vestra_install_missing
for tool in debootstrap Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap xvfb xdotool imagemagick
        break
    fi
done
if [ -z "$deb" ]; then
    "$here/scripts/package.sh"
    deb=$(ls "$here"/build-package/zinta-editor_*.deb)
fi
[ -f "$deb" ] || { echo "try-package.sh: no package at $deb" >&2; exit 2; }
mkdir -p "$out"

# The fresh machine: minimal bookworm with the archive's updates.
if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
fi
cat > "$root/etc/apt/sources.list" <<'EOF'
deb http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF

mounts=()
cleanup() {
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount -l "${mounts[$i]}" || true; done
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
bind() {
    mkdir -p "$1" "$root$1"
    mount --bind "$1" "$root$1"
    mounts+=("$root$1")
}
mount -t proc proc "$root/proc" && mounts+=("$root/proc")
bind /dev
bind /dev/pts
bind /tmp/.X11-unix
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== installing $(basename "$deb") on a fresh Debian 12"
cp "$deb" "$root/tmp/"
in_root apt-get update -q
in_root apt-get upgrade -y -q
in_root apt-get install -y -q "/tmp/$(basename "$deb")"
in_root dpkg -s zinta-editor | grep -E '^(Version|Depends):'

# The voice files' type is known to the system: the mime database's trigger
# ran over the package's definition.
if ! in_root test -f /usr/share/mime/application/x-zinta-voice.xml; then
    echo "try-package.sh: the voice-file type is not in the mime database" >&2
    exit 1
fi

# The command line the application menu runs, from the installed entry.
entry=/usr/share/applications/zinta-editor.desktop
exec_line=$(sed -n 's/^Exec=//p' "$root$entry" | sed 's/ %[fFuU]//')
echo "== the desktop entry runs: $exec_line"
in_root $exec_line --list-entries | head -3
# The voice library through the system's SQLite: a new library, searched.
in_root $exec_line --library /tmp/try-library.sqlite --find "cutoff<2kHz pad"
in_root env QT_QPA_PLATFORM=offscreen $exec_line --render-window --output /tmp/window.png
cp "$root/tmp/window.png" "$out/installed-window.png"

# In a real window: this machine's Xvfb, shared through its socket.
display=:57
Xvfb $display -screen 0 1400x900x24 -nolisten tcp &
xvfb=$!
sleep 1
chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY=$display $exec_line &
editor=$!
shown=no
for _ in $(seq 100); do
    if DISPLAY=$display xdotool search --name "Zinta Editor" >/dev/null 2>&1; then
        shown=yes
        break
    fi
    sleep 0.2
done
if [ $shown = no ]; then
    echo "try-package.sh: the installed editor showed no window" >&2
    exit 1
fi
sleep 2
DISPLAY=$display import -window root "$out/installed-desktop.png"
kill "$editor"
wait "$editor" 2>/dev/null || true

echo "== removing it"
in_root apt-get remove -y -q zinta-editor
in_root apt-get autoremove -y -q --purge >/dev/null
if in_root test -e /usr/bin/zinta-editor; then
    echo "try-package.sh: /usr/bin/zinta-editor is still there after removal" >&2
    exit 1
fi
echo "Installed, started and removed on a fresh Debian 12; pictures in $out"
