#!/usr/bin/env bash
# Fails, naming the file and the include, when a layer of src/ includes a header of a layer it
# may not use: every dependency points down.
set -euo pipefail
src=$1

declare -A allowed=(
    [layout]=""
    [platform]=""
    [catalogue]="platform"
    [pages]="catalogue platform"
    [skin]="platform layout"
    [window]="skin platform"
    [popups]="window skin platform layout"
    [engine]="platform"
    [browser]="popups window skin engine catalogue platform layout"
    [windows]="browser popups window skin engine pages catalogue platform layout"
    [app]="windows browser popups window skin engine pages catalogue platform layout"
)

# Which layer holds each header.
declare -A home
for layer in "${!allowed[@]}"; do
    [ -d "$src/$layer" ] || { echo "no layer folder $src/$layer" >&2; exit 1; }
    for header in "$src/$layer"/*.h; do
        home[$(basename "$header")]=$layer
    done
done

failures=0
for folder in "$src"/*/; do
    layer=$(basename "$folder")
    [ -n "${allowed[$layer]+known}" ] || { echo "$layer: a folder of src/ that is no layer" >&2; failures=1; continue; }
    for file in "$folder"*.h "$folder"*.cpp; do
        [ -e "$file" ] || continue
        while read -r included; do
            owner=${home[$included]:-}
            [ -z "$owner" ] || [ "$owner" = "$layer" ] && continue
            if [[ " ${allowed[$layer]} " != *" $owner "* ]]; then
                echo "${file#$src/} includes $included from $owner, which $layer may not use" >&2
                failures=1
            fi
        done < <(sed -n 's/^#include "\(.*\)"/\1/p' "$file")
    done
done
exit $failures
