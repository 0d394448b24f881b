# Installs, with apt-get, the Debian 12 packages the project needs that are
# missing. Sourced by the scripts beside it; needs root when anything is missing.

VESTRA_PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev libgl-dev
fonts-dejavu-core fonts-roboto-unhinted binutils python3 libbenchmark-dev libqt6sql6-sqlite libsqlite3-dev clang-format git
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n librsvg2-bin
dpkg-dev file desktop-file-utils appstream lintian shared-mime-info"

vestra_install_missing() {
    local missing=""
    local p
    for p in $VESTRA_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    echo "Installing missing packages:$missing"
    if [ "$(id -u)" -ne 0 ]; then
        echo "error: packages missing ($missing) and not running as root; install them or run as root" >&2
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || return 1
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing || return 1
}
