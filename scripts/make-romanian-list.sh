#!/usr/bin/env bash
# Writes the shipped Romanian word list from Debian's hunspell-ro dictionary: every word form
# that hunspell-tools' unmunch expands from it, without proper names and abbreviations (entries
# that start with a capital), with the diacritics folded to the letters of the set (ă â -> a,
# î -> i, ș ş -> s, ț ţ -> t), of 2 to 15 letters a-z, and only the words that the letter set
# can spell (no letter the set lacks; letters beyond the set's count paid for with its jokers).
# Abbreviations and symbols that hunspell-ro spells in lower case are left out too: every word
# without a vowel (kg, dvd, ssh) except the interjections below, and the abbreviations, acronyms
# and Roman numerals of romanian-abbreviations.txt beside this script; their count goes to
# standard error. One word per line, sorted in byte order, each once.
# Usage: make-romanian-list.sh HUNSPELL_DIC HUNSPELL_AFF LETTER_SET OUTPUT
set -euo pipefail
dic=$1
aff=$2
letter_set=$3
output=$4
abbreviations=$(dirname "$0")/romanian-abbreviations.txt
interjections="brr hm hmm ps pst sst st tt"
[[ -f $abbreviations ]] || { echo "make-romanian-list.sh: $abbreviations is missing" >&2; exit 1; }
unmunch "$dic" "$aff" 2>/dev/null |
    LC_ALL=C grep -v '^[A-Z]' |
    LC_ALL=C grep -v -E '^(Ă|Â|Î|Ș|Ş|Ț|Ţ)' |
    LC_ALL=C sed -E 's/ă|â/a/g; s/î/i/g; s/ș|ş/s/g; s/ț|ţ/t/g' |
    LC_ALL=C grep -E '^[a-z]{2,15}$' |
    LC_ALL=C awk -v set="$letter_set" '
        BEGIN {
            letters = "abcdefghijklmnopqrstuvwxyz"
            for (i = 1; i <= 27 && (getline line < set) > 0; ++i) {
                split(line, field, " ")
                if (i <= 26) count[substr(letters, i, 1)] = field[1] + 0
                else jokers = field[1] + 0
            }
        }
        {
            delete used
            over = 0
            for (i = 1; i <= length($0); ++i) {
                c = substr($0, i, 1)
                if (++used[c] > count[c]) ++over
            }
            if (over <= jokers) print
        }' |
    LC_ALL=C sort -u |
    LC_ALL=C awk -v list="$abbreviations" -v kept="$interjections" '
        BEGIN {
            while ((getline line < list) > 0)
                if (line !~ /^#/ && line != "") dropped[line] = 1
            split(kept, word, " ")
            for (i in word) interjection[word[i]] = 1
        }
        ($0 in dropped) || ($0 !~ /[aeiou]/ && !($0 in interjection)) { ++removed; next }
        { print }
        END {
            printf "make-romanian-list.sh: left out %d abbreviations and symbols\n", removed > "/dev/stderr"
        }' > "$output.tmp"
mv "$output.tmp" "$output"
