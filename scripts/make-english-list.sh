#!/usr/bin/env bash
# Writes the shipped English word list from a system word list: the entries made only of the
# letters a-z, of 2 to 14 letters, one per line, sorted in byte order, each once.
# Usage: make-english-list.sh SOURCE OUTPUT
set -euo pipefail
source_list=$1
output=$2
LC_ALL=C grep -E '^[a-z]{2,14}$' "$source_list" | LC_ALL=C sort -u > "$output.tmp"
mv "$output.tmp" "$output"
