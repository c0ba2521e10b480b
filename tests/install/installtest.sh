#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs as a user whose
# home is a temporary folder: the preferences and the saved games must land in that home, the
# user's own profile must win over the shipped one of the same name, and nothing may be
# written under the prefix.
#
#   installtest.sh BUILD_FOLDER
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
home=$scratch/home
work=$scratch/work
mkdir -p "$home" "$work"

fail() {
    echo "installtest: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/glyphmosaic bin/glyphdict bin/glyphplay share/glyphmosaic/Sets/English.set \
    share/glyphmosaic/Dictionaries/English.dic share/glyphmosaic/Languages/Romana.qm \
    share/glyphmosaic/Images/logo.bmp share/glyphmosaic/Help/GNU.html \
    share/glyphmosaic/Profiles/Greedy.cpu share/applications/org.glyphmosaic.Glyphmosaic.desktop \
    share/metainfo/org.glyphmosaic.Glyphmosaic.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.glyphmosaic.Glyphmosaic.svg \
    share/icons/hicolor/16x16/apps/org.glyphmosaic.Glyphmosaic.png \
    share/icons/hicolor/256x256/apps/org.glyphmosaic.Glyphmosaic.png \
    share/man/man6/glyphmosaic.6.gz share/man/man6/glyphdict.6.gz share/man/man6/glyphplay.6.gz; do
    [ -f "$prefix/$file" ] || fail "$file was not installed"
done
[ ! -e "$prefix/share/glyphmosaic/Games" ] || fail "a Games folder was installed"
listing() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(listing)

# The user: a temporary home, no XDG variables, started from a folder that holds no data.
as_user() {
    (cd "$work" && env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_DATA_DIRS -u XDG_CONFIG_DIRS \
        -u XDG_RUNTIME_DIR HOME="$home" QT_QPA_PLATFORM=offscreen "$@")
}
config=$home/.config/glyphmosaic
data=$home/.local/share/glyphmosaic

for bad in "" "../First" "." ".."; do
    status=0
    as_user timeout 120 "$prefix/bin/glyphmosaic" --save-new-game ${bad:+"$bad"} 2>/dev/null || status=$?
    [ "$status" -eq 2 ] || fail "--save-new-game '$bad' ended with $status, not as a usage error"
done
as_user timeout 120 "$prefix/bin/glyphmosaic" --save-new-game First \
    || fail "glyphmosaic --save-new-game failed"
[ -f "$config/Preferences.ini" ] || fail "no Preferences.ini in $config"
[ -f "$data/Games/First.tc" ] || fail "no saved game in $data/Games"
grep -qx "Dictionaries/English.dic" "$data/Games/First.tc" || fail "the saved game names no dictionary"

# A save that fails is reported as a failure, and a warning before the window or at the last
# save goes to standard error rather than to a box that nobody answers.
mkdir "$data/Games/Taken.tc"
status=0
as_user timeout 120 "$prefix/bin/glyphmosaic" --save-new-game Taken 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "--save-new-game over a folder ended with $status, not as a failed save"
rmdir "$data/Games/Taken.tc"
mv "$config/Preferences.ini" "$scratch/Preferences.ini"
mkdir "$config/Preferences.ini"
err=$(as_user timeout 120 "$prefix/bin/glyphmosaic" --save-new-game Second 2>&1) \
    || fail "--save-new-game with a folder for preferences failed: $err"
grep -q "Preferences.ini" <<<"$err" || fail "the unreadable preferences were not reported: $err"
rmdir "$config/Preferences.ini"
mv "$scratch/Preferences.ini" "$config/Preferences.ini"

# glyphplay reads the user's preferences (a bonus of 77) and finds a profile of the user's
# own beside the shipped ones, the user's copy of Greedy.cpu winning over the shipped one.
grep -q GameBonusKey "$config/Preferences.ini" && fail "the window stored a bonus of its own"
printf 'GameBonusKey\n77\n' >>"$config/Preferences.ini"
mkdir -p "$data/Profiles"
echo '-- a profile of the user: plays the best move' >"$data/Profiles/Mine.cpu"
echo 'error("the user copy of Greedy")' >"$data/Profiles/Greedy.cpu"
out=$(as_user "$prefix/bin/glyphplay" selfplay --games 1 --players Mine.cpu,Greedy.cpu,Beginner.cpu \
    --seed 7 --save played.tc 2>&1) || fail "glyphplay selfplay failed: $out"
grep -q "the user copy of Greedy" <<<"$out" || fail "the shipped Greedy.cpu was played, not the user's"
grep -qx "77 bonus" "$work/played.tc" || fail "glyphplay did not read the user's preferences"
# Read whole: `| grep -q .` would close the pipe at the first line and a long list would end in
# glyphplay's write error, which pipefail counts as a failure.
moves=$(as_user "$prefix/bin/glyphplay" moves "$data/Games/First.tc") || fail "glyphplay moves failed"
[ -n "$moves" ] || fail "no moves listed"

# glyphdict takes the letter set from the game's data for a dictionary kept elsewhere.
cp "$prefix/share/glyphmosaic/Dictionaries/English.dic" "$work/words.dic"
as_user "$prefix/bin/glyphdict" anagram words.dic TAC | grep -q "^CAT" || fail "glyphdict anagram failed"

[ "$(listing)" = "$before" ] || fail "files under the prefix changed: $(diff <(echo "$before") <(listing))"
leftovers=$(find "$work" -mindepth 1 ! -name played.tc ! -name words.dic)
[ -z "$leftovers" ] || fail "files were written in the working folder: $leftovers"
echo "installtest: the installed programs keep the user's files in $home"
