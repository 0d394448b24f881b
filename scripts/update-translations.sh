#!/usr/bin/env bash
# Extracts the texts to translate again into the .ts files, keeping what is
# translated and dropping what the sources no longer have:
#   zinta-editor_<lang>.ts   the editor's own texts (tr() in platform/editor, the library,
#                            the tools, the controls and the memory)
#   zinta-dialogs_<lang>.ts  the add-on's form texts (dialogs/), found by
#                            running the built zinta-form-texts over the add-on
# Usage: scripts/update-translations.sh [--check] BUILD_DIR [TS_FOLDER]
# BUILD_DIR must hold a built zinta-form-texts and add-on
# (`cmake --build BUILD_DIR --target update_translations` builds and runs this).
# TS_FOLDER defaults to translations/. With --check nothing changes: the
# texts are extracted into a copy, and any difference from the .ts files
# (a text added, changed or gone) is shown and the status is 1. The .ts
# files carry no line numbers, so moving a text in its source changes nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
check=false
if [ "${1:-}" = --check ]; then
    check=true
    shift
fi
build=${1:?usage: update-translations.sh [--check] BUILD_DIR [TS_FOLDER]}
folder=${2:-$here/translations}
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
options=(-silent -locations none -no-obsolete -no-ui-lines)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if $check; then
    original=$folder
    folder=$scratch/ts
    mkdir "$folder"
    cp "$original"/*.ts "$folder"/
fi
"$build/bin/zinta-form-texts" "$build/bin/libvestra_ziv21_editor_detail_dialogs_addon.so" \
    "$scratch/formtexts.cpp" >/dev/null

shopt -s nullglob
for ts in "$folder"/zinta-editor_*.ts; do
    "$lupdate" "${options[@]}" "$here/platform/editor" "$here/platform/library" "$here/platform/tools" \
        "$here/platform/widgets" "$here/platform/memapi" -ts "$ts"
done
for ts in "$folder"/zinta-dialogs_*.ts; do
    "$lupdate" "${options[@]}" "$here/dialogs" "$scratch/formtexts.cpp" -ts "$ts"
done

if $check; then
    stale=false
    for ts in "$folder"/*.ts; do
        diff -u "$original/${ts##*/}" "$ts" || stale=true
    done
    if $stale; then
        echo "The .ts files in $original are out of date: run scripts/update-translations.sh $build" >&2
        exit 1
    fi
    echo "The .ts files in $original hold the texts of the sources."
fi
