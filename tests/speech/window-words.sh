#!/bin/bash
# The window speaks for real: Speak Word/Phrase and Speak Translations of the test build
# (offscreen) through the private speech set-up of speech-env.sh. Each is heard as a word, the two
# sides sound different, and the word/phrase is read by the German voice: as velmoria-cli reads it
# in German, and unlike the English reading of the same letters.
# Usage: window-words.sh VELMORIA-TESTDRIVE VELMORIA-CLI (exit 77, skipped, without the packages)
program=$1 cli=$2
. "${BASH_SOURCE%/*}/speech-env.sh"
speech_env_start
list="$SPEECH_ENV/list.vmr"
"$cli" new "$list" --foreign 0x0407 --native 0x0809 >/dev/null || fail "velmoria-cli new"
"$cli" add "$list" "der @Hund" "the dog" >/dev/null || fail "velmoria-cli add"

# Runs the command in the program on the list and records until the word has been heard (the first
# Speak waits while the service lists its voices, which takes seconds); then ends the program as
# the system would.
window_speak() {
    local name=$1 peak window
    speech_listen "$name"
    QT_QPA_PLATFORM=offscreen VELMORIA_TEST_INPUT="{$2}" speech_spawn "$SPEECH_ENV/$name.out" "$program" "$list"
    window=$!
    for _ in $(seq $((SPEECH_TIMEOUT * 4))); do
        peak=$(sox "${raw_format[@]}" "$SPEECH_ENV/$name.raw" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}')
        awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.05) }' && break
        sleep 0.25
    done
    sleep 2 # the rest of the word
    speech_end "$window"
    speech_heard "$name"
    speech_check_word "$name" "$3" "$SPEECH_ENV/$name.out"
}

window_speak window-de miViewSpeakForeign "the window's \"der Hund\""
window_speak window-en miViewSpeakNative "the window's \"the dog\""
speech_sounds_differ window-de window-en || fail "the two sides sound the same"
speech_record cli-de "$cli" say "der Hund" --lang 0x0407 || fail "velmoria-cli say in German"
speech_check_word cli-de "velmoria-cli's German \"der Hund\""
speech_record cli-en "$cli" say "der Hund" --lang 0x0809 || fail "velmoria-cli say in English"
speech_check_word cli-en "velmoria-cli's English \"der Hund\""
speech_sounds_differ window-de cli-en || fail "the window read the German word with the English voice"
speech_sounds_alike window-de cli-de || fail "the window's German reading differs from velmoria-cli's"
speech_finish "The window spoke both sides."
