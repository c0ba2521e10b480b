#!/usr/bin/env bash
# Makes the Debian package from an existing Release build (build/ unless given) and checks
# it: prints its size, its control fields and lintian's report; fails when lintian reports
# an error.
#
#   scripts/check-package.sh [BUILD_FOLDER]
set -euo pipefail
build=${1:-"$(dirname "$0")/../build"}
cd "$build"
rm -f glyphmosaic_*.deb
cpack -G DEB >/dev/null
package=$(ls glyphmosaic_*.deb)
echo "$package: $(stat -c %s "$package") bytes"
dpkg-deb --field "$package" Package Version Installed-Size Depends
lintian --info --display-info "$package"
