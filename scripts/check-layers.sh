#!/usr/bin/env bash
# Fails when an #include runs against the layers: from a lower folder to a higher one, or
# sideways between folders of one level. Prints each offending file and line.
#
#   base  <-  preferences, dictionary  <-  engine  <-  ai  <-  ui, tools, app
#
# Inside ui/ the feature folders are layers of their own:
#
#   ui/common  <-  ui/session  <-  ui/board, ui/game, ui/dictionary, ui/profiles  <-  ui/window
#
# Each folder lists the folders it may include from (besides itself).
set -euo pipefail
cd "$(dirname "$0")/.."

core="base preferences dictionary engine ai"
ui_features="ui/board ui/game ui/dictionary ui/profiles"
declare -A allowed=(
    [base]=""
    [preferences]="base"
    [dictionary]="base"
    [engine]="base preferences dictionary"
    [ai]="base preferences dictionary engine"
    [ui/common]="$core"
    [ui/session]="$core ui/common"
    [ui/board]="$core ui/common ui/session"
    [ui/game]="$core ui/common ui/session"
    [ui/dictionary]="$core ui/common ui/session"
    [ui/profiles]="$core ui/common ui/session"
    [ui/window]="$core ui/common ui/session $ui_features"
    [tools]="$core"
    [app]="$core ui/common ui/session $ui_features ui/window"
)
layers="${!allowed[*]}"

# The layer of a path: its first folder, or its first two inside ui/.
layer_of() {
    local path=$1
    if [[ $path == ui/* ]]; then
        local rest=${path#ui/}
        echo "ui/${rest%%/*}"
    else
        echo "${path%%/*}"
    fi
}

failures=0
for folder in "${!allowed[@]}"; do
    [ -d "$folder" ] || continue
    while IFS= read -r hit; do
        # hit: path:line:#include "target/..."
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        included=$(sed -E 's/^[^"]*"([^"]+)".*$/\1/' <<<"${rest#*:}")
        [[ $included == */* ]] || continue
        target=$(layer_of "$included")
        [ "$target" = "$folder" ] && continue
        # Only our own layer folders are judged; other quoted includes (generated forms) are not.
        if [[ " $layers " != *" $target "* ]]; then
            # An include of ui/ outside its feature folders names no layer: refuse it.
            [[ $target == ui/* ]] || continue
        fi
        if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
            echo "$file:$line: $folder/ must not include from $target/" >&2
            failures=$((failures + 1))
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^/"]+/' "$folder" \
                 --include='*.h' --include='*.cpp' --include='*.c' || true)
done

if [ "$failures" -gt 0 ]; then
    echo "check-layers: $failures include(s) run against the layers" >&2
    exit 1
fi
echo "check-layers: every include runs downwards"
