#!/usr/bin/env bash
# Builds German-English.vmr from German-English.tsv with the project's own command-line companion.
set -euo pipefail
cli=${1:?usage: build-examples.sh PATH-TO-velmoria-cli}
here=$(cd "$(dirname "$0")" && pwd)
out="$here/German-English.vmr"
tmp="$out.new"
rm -f "$tmp"
"$cli" new "$tmp" --foreign "German (Standard)" --native "English (United Kingdom)" \
    --description "German basics" --author "Velmoria" \
    --comments "Everyday German words and phrases for beginners." >/dev/null
# Tabs are split by hand: read would merge the adjacent tabs of an empty field.
tab=$'\t'
while IFS= read -r line; do
    case "$line" in '#'* | '') continue ;; esac
    word=${line%%"$tab"*}
    rest=${line#*"$tab"}
    category=${rest%%"$tab"*}
    rest=${rest#*"$tab"}
    notes=${rest%%"$tab"*}
    translations=${rest#*"$tab"}
    "$cli" add "$tmp" "$word" "$translations" --category "$category" --notes "$notes" >/dev/null
done <"$here/German-English.tsv"
mv "$tmp" "$out"
"$cli" info "$out" | sed -n 3p
