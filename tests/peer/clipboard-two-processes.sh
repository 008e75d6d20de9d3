#!/bin/sh
# Copies an item in one process and pastes it in another on a private X server; the first process
# still runs while the second pastes. Usage: clipboard-two-processes.sh PATH-TO-clipboard-peer
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
        "$peer" paste
        status=$?
    else
        echo "the copying process did not start"
    fi
    kill "$copier" 2>/dev/null
    wait "$copier" 2>/dev/null
    rm -rf "$dir"
    exit $status
' sh "$peer"
