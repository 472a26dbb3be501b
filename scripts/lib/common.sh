# Shared by scripts/run and scripts/test: installs what the build needs.

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite libsqlite3-dev
    libqt6sql6-psql libpq-dev postgresql postgresql-common
    sqlite3 clang-format
    libgensio-dev ser2net nettle-dev
    qt6-l10n-tools qt6-tools-dev-tools qt6-tools-dev qt6-translations-l10n
    fonts-wqy-zenhei fonts-liberation2
)
# What scripts/package needs besides: dpkg-shlibdeps and the three validators.
package_tools=(dpkg-dev lintian desktop-file-utils appstream systemd)

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

njobs() {
    nproc 2>/dev/null || echo 2
}
