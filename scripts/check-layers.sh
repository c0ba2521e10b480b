#!/usr/bin/env bash
# Fails when an #include runs against the layers: from a lower folder to a higher one, or
# sideways between preferences/ and dictionary/. Prints each offending file and line.
#
#   base  <-  preferences, dictionary  <-  engine  <-  ai  <-  ui, tools, app
#
# Each folder lists the folders it may include from (besides itself).
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
    [base]=""
    [preferences]="base"
    [dictionary]="base"
    [engine]="base preferences dictionary"
    [ai]="base preferences dictionary engine"
    [ui]="base preferences dictionary engine ai"
    [tools]="base preferences dictionary engine ai"
    [app]="base preferences dictionary engine ai ui"
)
layers="${!allowed[*]}"

failures=0
for folder in "${!allowed[@]}"; do
    [ -d "$folder" ] || continue
    while IFS= read -r hit; do
        # hit: path:line:#include "target/..."
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        target=$(sed -E 's/^[^"]*"([^/"]+)\/.*$/\1/' <<<"${rest#*:}")
        [ "$target" = "$folder" ] && continue
        # Only our own layer folders are judged; other quoted includes (generated forms) are not.
        [[ " $layers " == *" $target "* ]] || continue
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
