#!/usr/bin/env bash
# Builds the host editor and the add-on (build/) and runs the editor with the
# add-on loaded. Any arguments go to the editor (see --help). Without a
# display it runs on Qt's offscreen platform and says what it did; give it
# --quit-after MS, --list-entries or --render ENTRY --output FILE.png there.
# Installs missing Debian packages first.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/setup.sh"
vestra_install_missing

cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$here/build" -j "$(nproc)" --target zinta-editor vestra_ziv21_editor_detail_dialogs_addon
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    set -- --quit-after 2000
fi
exec "$here/build/bin/zinta-editor" "$@"
