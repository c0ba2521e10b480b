#!/usr/bin/env bash
# Runs the search benchmark and, in the same run, grep with equivalent regular expressions over
# the word list the English dictionary is built from (grep has no letter values or palindrome
# test, so the advanced line filters letters and length only). Run from the repository root
# after a Release build: bench/searchbench-vs-grep.sh [build folder]
set -euo pipefail
build=${1:-build}
list=$build/dist/Dictionaries/English.txt

timed() {
    local start end count
    start=$(date +%s%N)
    count=$(bash -c "$1")
    end=$(date +%s%N)
    printf '%8s matches %8.2f ms  %s\n' "$count" "$(((end - start) / 10000))e-2" "$1"
}

uptime
timed "grep -c -E '^c.t' $list"
timed "grep -c -E 'ing\$' $list"
timed "grep -E '^[aeinrst]{7}\$' $list | grep a | grep e | grep i | grep n | grep r | grep s | grep -c t"
timed "grep -E '^[aeioustlndcpr]{3,9}\$' $list | grep -c e"
timed "wc -l < $list"
"$build/bench/searchbench" --benchmark_min_time=0.5
