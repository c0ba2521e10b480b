#!/usr/bin/env bash
# Writes the shipped English word list from the "word-list" package's tarball: the entries of
# its words.txt made only of the letters a-z, of 2 to 15 letters, one per line, sorted in byte
# order, each once.
# Usage: make-english-list.sh WORD_LIST_TARBALL OUTPUT
set -euo pipefail
tarball=$1
output=$2
tar -xzOf "$tarball" package/words.txt | tr -d '\r' | LC_ALL=C grep -E '^[a-z]{2,15}$' |
    LC_ALL=C sort -u > "$output.tmp"
mv "$output.tmp" "$output"
