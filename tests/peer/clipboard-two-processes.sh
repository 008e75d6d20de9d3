#!/bin/sh
# The clipboard between two processes on a private X server:
#   1. an item copied in one process pastes in another while the first still runs;
#   2. xclip reads the same copy as UTF-8 text, one line with four tab-separated columns;
#   3. text that xclip puts on the clipboard pastes as items.
# Without xclip only the first runs and the test counts as skipped.
# Usage: clipboard-two-processes.sh PATH-TO-clipboard-peer
set -u
peer=$1
command -v xvfb-run >/dev/null 2>&1 || { echo "xvfb-run is not installed"; exit 77; }
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 640x480x24" sh -c '
    peer=$1
    dir=$(mktemp -d) || exit 1
    mkfifo "$dir/ready"
    "$peer" copy >"$dir/ready" &
    copier=$!
    # Blocks until the copier owns the clipboard (or ends without it).
    read -r line <"$dir/ready"
    status=1
    if [ "$line" = ready ]; then
        timeout 20 "$peer" paste
        status=$?
    else
        echo "the copying process did not start"
    fi
    have_xclip=no
    command -v xclip >/dev/null 2>&1 && have_xclip=yes
    if [ $status -eq 0 ] && [ $have_xclip = yes ]; then
        printf "die Stra\303\237e\tf.\tpl. Stra\303\237en\tstreet; road\n" >"$dir/expected"
        timeout 10 xclip -o -selection clipboard -t UTF8_STRING >"$dir/text"
        timeout 10 xclip -o -selection clipboard -t TARGETS >"$dir/targets"
        if ! cmp -s "$dir/expected" "$dir/text"; then
            echo "xclip read other text:"; od -c "$dir/text" | head; status=1
        elif ! grep -q "Velmoria Vocabulary Item" "$dir/targets"; then
            echo "the item type is not offered:"; cat "$dir/targets"; status=1
        fi
    fi
    kill "$copier" 2>/dev/null
    wait "$copier" 2>/dev/null
    if [ $status -eq 0 ] && [ $have_xclip = yes ]; then
        # xclip -quiet stays in the foreground and serves the text until it is ended.
        printf "Haus\thouse\r\n\317\203\316\272\317\215\316\273\316\277\317\202\tdog\r\n" >"$dir/pasted"
        timeout 30 xclip -quiet -i -selection clipboard "$dir/pasted" >/dev/null 2>&1 &
        server=$!
        timeout 20 "$peer" paste-text
        status=$?
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -rf "$dir"
    if [ $status -eq 0 ] && [ $have_xclip = no ]; then
        echo "xclip is not installed: the text between programs is not tested"
        exit 77
    fi
    exit $status
' sh "$peer"
