# Shared by the project's scripts: package set-up and the build.
# shellcheck shell=bash

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building, running and testing need (Debian 12 package names).
base_packages=(cmake g++ ninja-build pkg-config qt6-base-dev qtkeychain-qt6-dev zlib1g-dev
               libjpeg62-turbo-dev libssl-dev libsodium-dev openssl
               mariadb-server mariadb-client fonts-dejavu-core xvfb xauth)
# What the tests add: the validators of the desktop entry and the metainfo.
test_packages=(desktop-file-utils appstream)

say() { printf '%s\n' "$*" >&2; }

# Installs the packages that are not installed yet; a second call installs
# nothing and sends nothing to the network.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" != 0 ]; then
        command -v sudo >/dev/null || { say "missing packages: ${missing[*]} (run as root)"; return 1; }
        sudo=(sudo)
    fi
    say "installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# build DIR [cmake options...]: configures DIR with the options and brings it
# up to date; a second call rebuilds only what changed.
build() {
    local dir=$1
    shift
    cmake -S "$top" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j2
}
