#!/usr/bin/env bash
# Builds the Debian package zinta-editor_<version>_<arch>.deb: a Release
# build in build-package/, packed by cpack with its dependencies found by
# dpkg-shlibdeps, then checked with lintian, desktop-file-validate and
# appstreamcli. Installs missing Debian packages first.
#   sudo apt install ./build-package/zinta-editor_*.deb
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/scripts/setup.sh"
vestra_install_missing

build=$here/build-package
# Debian's hardening flags, as a Debian build would use them.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVESTRA_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags"
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/zinta-editor_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/zinta-editor_*.deb)

desktop-file-validate "$here/packaging/zinta-editor.desktop"
appstreamcli validate --no-net "$here/packaging/org.vestra.ZintaEditor.metainfo.xml"
# Errors fail the package; warnings are shown.
lintian --fail-on error "$deb" || {
    echo "lintian found errors in $deb" >&2
    exit 1
}
echo "Built $deb"
echo "Install it with: apt install $deb"
