#!/bin/sh
# The clipboard between two processes on a private X server:
#   1. an item copied in one process pastes in another while the first still runs;
#   2. xclip reads the same copy as UTF-8 text, one line with four tab-separated columns (the
#      word with its sorting marker);
#   3. text that xclip puts on the clipboard pastes as items.
# Without xclip only the first runs and the test counts as skipped.
# Usage: clipboard-two-processes.sh PATH-TO-clipboard-peer
set -u
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run is not installed"; exit 77; }
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 640x480x24" sh -c '
    peer=$1 copier="" server=""
    dir=$(mktemp -d) || exit 1
    trap "kill \$copier \$server 2>/dev/null; wait; rm -rf \$dir" EXIT
    mkfifo "$dir/ready"
    "$peer" copy >"$dir/ready" &
    copier=$!
    # Blocks until the copier owns the clipboard (or ends without it).
    read -r line <"$dir/ready"
    [ "$line" = ready ] || { echo "the copying process did not start"; exit 1; }
    timeout 20 "$peer" paste || exit 1
    command -v xclip >/dev/null 2>&1 || { echo "xclip is not installed: the text between programs is not tested"; exit 77; }
    printf "die @Stra\303\237e\tf.\tpl. Stra\303\237en\tstreet; road\n" >"$dir/expected"
    timeout 10 xclip -o -selection clipboard -t UTF8_STRING >"$dir/text"
    cmp -s "$dir/expected" "$dir/text" || { echo "xclip read other text:"; od -c "$dir/text" | head; exit 1; }
    targets=$(timeout 10 xclip -o -selection clipboard -t TARGETS)
    echo "$targets" | grep -q "Velmoria Vocabulary Item" || { echo "the item type is not offered: $targets"; exit 1; }
    kill "$copier"
    wait "$copier"
    # xclip -quiet stays in the foreground and serves the text until it is ended.
    printf "Haus\thouse\r\n\317\203\316\272\317\215\316\273\316\277\317\202\tdog\r\n" >"$dir/pasted"
    timeout 30 xclip -quiet -i -selection clipboard "$dir/pasted" >/dev/null 2>&1 &
    server=$!
    timeout 20 "$peer" paste-text
' sh "$1"
