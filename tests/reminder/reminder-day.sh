#!/bin/bash
# A day of the reminder on a private bus, with stand-ins for the notification service and systemctl:
# installed as a timer, then as an autostart entry, each line run as its manager would run it.
# Usage: reminder-day.sh VELMORIA-CLI (exit 77, skipped, without dbus-run-session or python3-gi)
set -u
here=$(cd "${BASH_SOURCE%/*}" && pwd)
fail() { echo "FAIL: $*" >&2 && exit 1; }

# The system's Python, which has the distribution's GObject bindings.
python=/usr/bin/python3
[ -x "$python" ] || python=python3

if [ "${1:-}" != --on-bus ]; then
    command -v dbus-run-session >/dev/null && "$python" -c 'from gi.repository import Gio' 2>/dev/null || exit 77
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_STATE_HOME=$work/state
    # Installed as the package installs it, velmoria beside velmoria-cli: here one that notes its
    # arguments. A folder with a space tries the quoting of the unit and the entry.
    mkdir -p "$work/my bin" "$work/path" "$work/lists" "$XDG_CONFIG_HOME/Brannock"
    cp "$1" "$work/my bin/velmoria-cli"
    printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$work" >"$work/my bin/velmoria"
    # A running user manager, unless "no-manager" is there; each call is noted.
    printf '#!/bin/sh\necho "$@" >>"%s/systemctl"\n[ "$2" != show-environment ] || [ ! -e "%s/no-manager" ]\n' \
        "$work" "$work" >"$work/path/systemctl"
    chmod +x "$work/my bin/velmoria" "$work/path/systemctl"
    cli="$work/my bin/velmoria-cli"
    list=$work/lists/de.vmr
    "$cli" new "$list" --foreign 0x0407 --native 0x0809 >/dev/null && "$cli" add "$list" Hund dog >/dev/null \
        && "$cli" add "$list" Katze cat >/dev/null || fail "making the list"
    # Both words answered long ago: due today.
    printf 'dog\ncat\n' | "$cli" test "$list" --due --today 2024-03-01 >/dev/null 2>&1
    printf '[2]\nFileCount=2\nFile1=%s\nFile2=%s\n' "$list" "$work/lists/gone.vmr" \
        >"$XDG_CONFIG_HOME/Brannock/Velmoria.conf"
    PATH=$work/path:$PATH timeout 15 dbus-run-session -- "$0" --on-bus "$work" "$cli" "$list"
    exit $?
fi

work=$2 cli=$3 list=$4
"$python" "$here/fake-notifications.py" "$work/notices" review >"$work/server.out" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null' EXIT
for _ in $(seq 50); do
    grep -q ready "$work/server.out" && break
    sleep 0.1
done
grep -q ready "$work/server.out" || fail "the stand-in service did not start: $(cat "$work/server.out")"

# Runs the command a unit's or an entry's line holds ($1: the line's key), as the line quotes it.
run_line() {
    local line
    line=$(sed -n "s/^$1=//p" "$2")
    eval "words=($line)"
    timeout 5 "${words[@]}" >"$work/remind.out" 2>&1 || fail "$line: $(cat "$work/remind.out")"
}
notices() { cat "$work/notices" 2>/dev/null | wc -l; }
units=$XDG_CONFIG_HOME/systemd/user
entry=$XDG_CONFIG_HOME/autostart/velmoria-reminder.desktop
summary='"summary": "2 words due in German–English", "body": "de.vmr"'

"$cli" reminder on --at 07:30 >/dev/null || fail "reminder on"
grep -qx 'OnCalendar=\*-\*-\* 07:30:00' "$units/velmoria-reminder.timer" && [ ! -e "$entry" ] || fail "no timer"
grep -qx -- '--user enable velmoria-reminder.timer' "$work/systemctl" || fail "not enabled: $(cat "$work/systemctl")"
run_line ExecStart "$units/velmoria-reminder.service"
[ "$(notices)" = 1 ] && grep -qF "$summary" "$work/notices" || fail "notices: $(cat "$work/notices")"
grep -q 'Skipped: .*gone.vmr' "$work/remind.out" || fail "the missing list is not named: $(cat "$work/remind.out")"
[ "$(cat "$work/opened")" = "--review $list" ] || fail "Review opened: $(cat "$work/opened")"
"$cli" reminder off >/dev/null || fail "reminder off"
[ -z "$(ls -A "$units")" ] || fail "left: $(ls "$units")"
grep -qx -- '--user disable --now velmoria-reminder.timer' "$work/systemctl" || fail "not disabled"

touch "$work/no-manager"
"$cli" reminder on >/dev/null && [ -e "$entry" ] && [ ! -e "$units/velmoria-reminder.timer" ] || fail "no entry"
run_line Exec "$entry"
run_line Exec "$entry"
[ "$(notices)" = 2 ] && [ "$(tail -n1 "$work/notices" | grep -cF "$summary")" = 1 ] \
    || fail "once a day: $(cat "$work/notices")"
"$cli" reminder off >/dev/null && [ ! -e "$entry" ] || fail "the entry stays"

# Nothing due: no notice.
printf '[2]\nFileCount=1\nFile1=%s\n' "$work/lists/gone.vmr" >"$XDG_CONFIG_HOME/Brannock/Velmoria.conf"
timeout 5 "$cli" remind >/dev/null 2>&1 && [ "$(notices)" = 2 ] || fail "a notice with nothing due"
echo "A day of reminders passed."
