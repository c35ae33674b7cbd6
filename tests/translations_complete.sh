#!/usr/bin/env bash
# Every user-visible text has a German, French and Japanese translation: lupdate, run over the
# sources into copies of the .ts files, finds no text that is new or unfinished.
set -euo pipefail
lupdate=$1 sources=$2 translations=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$translations"/penwick_*.ts; do
    [[ $ts == *_en.ts ]] && continue # English is the source; its catalogue holds a few texts
    cp "$ts" "$work/"
    copy="$work/$(basename "$ts")"
    "$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$copy"
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    if [[ $unfinished -ne 0 ]]; then
        echo "$(basename "$ts"): $unfinished texts without a translation:"
        grep -B2 'type="unfinished"' "$copy" | grep '<source>' | head -n 20
        status=1
    fi
done
[[ $status -eq 0 ]] && echo "translations: every text translated"
exit $status
