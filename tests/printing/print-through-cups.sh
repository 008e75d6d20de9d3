#!/bin/bash
# Prints a list with "velmoria /p" through a real CUPS queue: a private cupsd with a cups-pdf
# queue, and checks the PDF the queue writes (page count and title).
# Usage: print-through-cups.sh VELMORIA LIST.vmr EXPECTED-TITLE MIN-PAGES
# Exit status 77 (skipped) where it cannot run: not root, or CUPS or cups-pdf not installed.
set -u
velmoria=$1 list=$2 title=$3 min_pages=$4

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "$*"; grep '^E' "$work/log/error_log" 2>/dev/null; exit 1; }
[ "$(id -u)" = 0 ] || skip "a private cupsd with a cups-pdf queue needs root"
for tool in /usr/sbin/cupsd lpadmin lpstat pdfinfo; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (packages cups, cups-client, poppler-utils)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"

work=$(mktemp -d /tmp/velmoria-cups.XXXXXX)
queue="velmoria-test-$$"
# cups-pdf reads its settings only from /etc/cups: a file named after this queue is its
# private one, so the PDF lands in the work folder, not in root's home.
queue_conf="/etc/cups/cups-pdf-$queue.conf"
cupsd_pid=""
trap '[ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid"; rm -rf "$queue_conf" "$work"' EXIT
trap 'exit 1' INT TERM

mkdir -p "$work"/{spool,tmp,state,cache,log,out,cups-pdf-spool,home/run}
chmod 1777 "$work/tmp"
chmod 700 "$work/home/run"
cat >"$work/cupsd.conf" <<EOF
LogLevel warn
Listen $work/cups.sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat >"$work/cups-files.conf" <<EOF
ServerRoot $work
RequestRoot $work/spool
TempDir $work/tmp
StateDir $work/state
CacheDir $work/cache
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
EOF
printf 'Out %s\nAnonDirName %s\nSpool %s\nLog %s\n' "$work/out" "$work/out" "$work/cups-pdf-spool" "$work/log" \
    >"$queue_conf"

export CUPS_SERVER="$work/cups.sock"
/usr/sbin/cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!
# A scheduler that has just started refuses requests, the first one for a model too: ask again a while.
for _ in $(seq 150); do
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd did not start"
    lpadmin -p "$queue" -v "cups-pdf:/$queue" -E -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>"$work/lpadmin.err" && break
    sleep 0.1
done
lpadmin -d "$queue" || fail "lpadmin could not add the queue: $(cat "$work/lpadmin.err")"

# The program runs with a settings folder of its own, never the real user's.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/home/run"
QT_QPA_PLATFORM=offscreen timeout 60 "$velmoria" /p "$list" || fail "velmoria /p exited with $?"

for _ in $(seq 600); do
    pdf=$(find "$work/out" -name '*.pdf' -size +0 2>/dev/null | head -n 1)
    [ -n "$pdf" ] && [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && pdfinfo "$pdf" >/dev/null 2>&1 && break
    pdf=""
    sleep 0.1
done
[ -n "$pdf" ] || fail "no PDF from the queue within 60 s"
info=$(pdfinfo "$pdf")
pages=$(sed -n 's/^Pages: *//p' <<<"$info")
pdf_title=$(sed -n 's/^Title: *//p' <<<"$info")
echo "queue wrote $(basename "$pdf"): $pages pages, title $pdf_title"
# cups-pdf passes the job title to Ghostscript as a PostScript string, which may keep its parentheses.
[ "$pdf_title" = "$title" ] || [ "$pdf_title" = "($title)" ] || fail "expected the title $title"
[ "$pages" -ge "$min_pages" ] || fail "expected at least $min_pages pages"
