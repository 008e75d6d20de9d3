#!/bin/sh
# po.sh update|check SOURCE-DIR: the desktop entry's, the AppStream metadata's and the file type's
# texts for translators. update: velmoria.pot takes the texts as the data files hold them and each
# language's .po is merged with it. check: the committed .pot is current and every language of
# LINGUAS translates all of it (the program's name excepted).
set -eu
mode=$1
source=$2
po=$source/po
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
xgettext --omit-header --no-location -o "$scratch/velmoria.pot" "$source/data/velmoria.desktop" \
    "$source/data/velmoria.metainfo.xml" "$source/data/velmoria-mime.xml"
if [ "$mode" = update ]; then
    cp "$scratch/velmoria.pot" "$po/velmoria.pot"
    for lang in $(cat "$po/LINGUAS"); do
        msgmerge --quiet --update --backup=none --no-location "$po/$lang.po" "$po/velmoria.pot"
    done
    exit 0
fi
failures=0
cmp -s "$scratch/velmoria.pot" "$po/velmoria.pot" \
    || { echo "The data files' texts changed: run \`make translations\` and translate po/*.po"; failures=1; }
for lang in $(cat "$po/LINGUAS"); do
    msgfmt --check -o /dev/null "$po/$lang.po" || failures=1
    msgcmp --use-untranslated "$po/$lang.po" "$scratch/velmoria.pot" >/dev/null 2>&1 \
        || { echo "$lang.po lacks texts of the template: run \`make translations\`"; failures=1; }
    # What the language leaves untranslated or fuzzy; the program's name stays as it is.
    left=$({ msgattrib --untranslated --no-obsolete "$po/$lang.po"; msgattrib --only-fuzzy --no-obsolete "$po/$lang.po"; } \
        | sed -n 's/^msgid "\(.\+\)"$/\1/p' | grep -vx Velmoria || true)
    [ -z "$left" ] || { echo "$lang.po leaves untranslated or fuzzy: $left"; failures=1; }
done
exit $failures
