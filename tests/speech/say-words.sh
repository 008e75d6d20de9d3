#!/bin/bash
# velmoria-cli speaks for real: "say" a German and an English word, and "test --speak" reads a
# question, through a private speech-dispatcher with espeak-ng into a PulseAudio null sink whose
# monitor is recorded; sox checks that each recording holds a word (sound of a plausible length)
# and that different words, or one spelling in two languages, sound different.
# Usage: say-words.sh VELMORIA-CLI
# Exit status 77 (skipped) where the packages are missing.
set -u
cli=$1
. "${BASH_SOURCE%/*}/speech-env.sh"
speech_env_check
speech_env_start

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# One spoken word: between a fifth of a second and three seconds of clearly audible sound.
check_word() {
    local name=$1 lang=$2 word=$3 length rms
    speech_record "$SPEECH_ENV/$name.wav" "$cli" say "$word" --lang "$lang" || { fail "say $word --lang $lang"; return; }
    read -r length rms < <(speech_sound "$SPEECH_ENV/$name.wav")
    echo "$name: \"$word\" in $lang: ${length}s of sound, RMS $rms"
    awk -v l="$length" -v r="$rms" 'BEGIN { exit !(l >= 0.2 && l <= 3 && r >= 0.01) }' \
        || fail "\"$word\" in $lang does not sound like one word (${length}s, RMS $rms)"
}
check_differ() {
    speech_sounds_differ "$SPEECH_ENV/$1.wav" "$SPEECH_ENV/$2.wav" || fail "$1 and $2 sound the same"
}

check_word de "German (Standard)" "das Eichhörnchen"
check_word en "English (United Kingdom)" "the squirrel"
check_differ de en
# The voice follows the language: the same letters read by the German and the English voice.
check_word hand-de 0x0407 "Hand"
check_word hand-en 0x0809 "Hand"
check_differ hand-de hand-en

# No voice speaks a language outside the table (Korean): a reason, not the default voice.
reason=$(timeout "$SPEECH_TIMEOUT" "$cli" say "Hund" --lang 0x0412 2>&1)
status=$?
[ "$status" = 1 ] && grep -q "No voice" <<<"$reason" || fail "say in a language without a voice: $status $reason"

# The drill reads its question; the answer comes once it has been read.
"$cli" new "$SPEECH_ENV/list.vmr" --foreign 0x0407 --native 0x0809 >/dev/null
"$cli" add "$SPEECH_ENV/list.vmr" "der @Hund" "dog" >/dev/null
speech_record "$SPEECH_ENV/drill.wav" bash -c "{ sleep 2; echo dog; } | \"$cli\" test \"$SPEECH_ENV/list.vmr\" --into native --speak >\"$SPEECH_ENV/drill.out\" 2>&1" \
    || fail "the drill with --speak: $(cat "$SPEECH_ENV/drill.out")"
read -r length rms < <(speech_sound "$SPEECH_ENV/drill.wav")
echo "drill: ${length}s of sound, RMS $rms"
awk -v l="$length" -v r="$rms" 'BEGIN { exit !(l >= 0.2 && l <= 3 && r >= 0.01) }' \
    || fail "the drill's question was not read (${length}s, RMS $rms)"
grep -q "^Q: der Hund" "$SPEECH_ENV/drill.out" || fail "the drill did not ask: $(cat "$SPEECH_ENV/drill.out")"

[ "$failures" = 0 ] || { tail -20 "$SPEECH_ENV/log/speech-dispatcher.log"; exit 1; }
echo "All spoken."
