#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the game need, but only those
# that are missing, so that a second run does nothing; then fetches the English word list into
# build/ once.
set -euo pipefail
packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-charts-dev libqt6opengl6-dev
    libgl-dev liblua5.4-dev libgtest-dev libbenchmark-dev
    xvfb xauth adwaita-icon-theme hunspell-ro hunspell-tools
    dpkg-dev fakeroot lintian desktop-file-utils appstream
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm fetches the word list; any npm will do (a nodejs package may already bring its own).
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The English word list comes from the npm package "word-list", cached in build/.
"$(dirname "$0")/fetch-word-list.sh" "$(dirname "$0")/../build/word-list" >/dev/null
