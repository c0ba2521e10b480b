#!/usr/bin/env bash
# Fetches the pinned release of the npm package "word-list" (MIT licence, a list of English
# words made for word games) with `npm pack` into a cache folder, once: a tarball already
# cached with the right checksum is kept. Prints the tarball's path.
# Usage: fetch-word-list.sh CACHE_FOLDER
set -euo pipefail
version=4.1.0
sha256=c0cd6e2a112392204960e9998d79347a8ae1571dab5e3fdbfa685ef5977faedb
cache=$1
tarball=$cache/word-list-$version.tgz
mkdir -p "$cache"
if [ -f "$tarball" ] && echo "$sha256  $tarball" | sha256sum -c --quiet - 2>/dev/null; then
    echo "$tarball"
    exit 0
fi
command -v npm >/dev/null || { echo "fetch-word-list: npm is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "word-list@$version" >/dev/null)
if ! echo "$sha256  $work/word-list-$version.tgz" | sha256sum -c --quiet -; then
    echo "fetch-word-list: word-list-$version.tgz does not have the expected checksum" >&2
    exit 1
fi
mv "$work/word-list-$version.tgz" "$tarball"
echo "$tarball"
