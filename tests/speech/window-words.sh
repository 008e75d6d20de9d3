#!/bin/bash
# The window speaks for real: Speak Word/Phrase and Speak Translations of the program (the test
# build, offscreen) through a private speech-dispatcher with espeak-ng into a recorded PulseAudio
# null sink. sox checks that each command was heard as a word, that the two sides sound
# different, and that the word/phrase is read by the German voice: as velmoria-cli reads it in
# German, and unlike the English reading of the same letters.
# Usage: window-words.sh VELMORIA-TESTDRIVE VELMORIA-CLI
# Exit status 77 (skipped) where the packages are missing.
set -u
program=$1
cli=$2
. "${BASH_SOURCE%/*}/speech-env.sh"
speech_env_check
speech_env_start

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
raw_format=(-t raw -e signed -b 16 -r 22050 -c 1)

list="$SPEECH_ENV/list.vmr"
"$cli" new "$list" --foreign 0x0407 --native 0x0809 >/dev/null || fail "velmoria-cli new"
"$cli" add "$list" "der @Hund" "the dog" >/dev/null || fail "velmoria-cli add"

# Starts the program on the list, runs the command, and records until the word has been heard
# (the first Speak waits while the service lists its voices, which takes seconds), then ends the
# program as the system would. Raw samples, so the recording can be read while it grows.
window_speak() {
    local name=$1 command=$2 raw="$SPEECH_ENV/$1.raw" recorder window peak=0 kept=() pid
    setsid parecord --device=speech.monitor --raw --format=s16le --rate=22050 --channels=1 "$raw" &
    recorder=$!
    speech_pids+=("$recorder")
    for _ in $(seq 50); do
        pactl list short source-outputs | grep -q . && break
        sleep 0.1
    done
    QT_QPA_PLATFORM=offscreen VELMORIA_TEST_INPUT="{$command}" setsid "$program" "$list" \
        >"$SPEECH_ENV/$name.out" 2>&1 &
    window=$!
    speech_pids+=("$window")
    for _ in $(seq $((SPEECH_TIMEOUT * 4))); do
        peak=$(sox "${raw_format[@]}" "$raw" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}')
        awk -v p="${peak:-0}" 'BEGIN { exit !(p > 0.05) }' && break
        sleep 0.25
    done
    sleep 2 # the rest of the word
    kill -TERM "$window" 2>/dev/null
    wait "$window" 2>/dev/null
    kill -INT "$recorder" 2>/dev/null
    wait "$recorder" 2>/dev/null
    for pid in "${speech_pids[@]}"; do
        [ "$pid" = "$recorder" ] || [ "$pid" = "$window" ] || kept+=("$pid")
    done
    speech_pids=("${kept[@]}")
    sox "${raw_format[@]}" "$raw" "$SPEECH_ENV/$name.wav"
}

# One spoken word or two: between a fifth of a second and three seconds of clearly audible sound.
check_word() {
    local name=$1 what=$2 length rms
    read -r length rms < <(speech_sound "$SPEECH_ENV/$name.wav")
    echo "$name: $what: ${length}s of sound, RMS $rms"
    awk -v l="$length" -v r="$rms" 'BEGIN { exit !(l >= 0.2 && l <= 3 && r >= 0.01) }' \
        || fail "$what was not heard as a word (${length}s, RMS $rms): $(cat "$SPEECH_ENV/$name.out" 2>/dev/null)"
}

window_speak window-de miViewSpeakForeign
check_word window-de "the window's \"der Hund\""
window_speak window-en miViewSpeakNative
check_word window-en "the window's \"the dog\""
speech_sounds_differ "$SPEECH_ENV/window-de.wav" "$SPEECH_ENV/window-en.wav" \
    || fail "the two sides sound the same"

speech_record "$SPEECH_ENV/cli-de.wav" "$cli" say "der Hund" --lang 0x0407 || fail "velmoria-cli say in German"
check_word cli-de "velmoria-cli's German \"der Hund\""
speech_record "$SPEECH_ENV/cli-en.wav" "$cli" say "der Hund" --lang 0x0809 || fail "velmoria-cli say in English"
check_word cli-en "velmoria-cli's English \"der Hund\""
speech_sounds_differ "$SPEECH_ENV/window-de.wav" "$SPEECH_ENV/cli-en.wav" \
    || fail "the window read the German word with the English voice"
speech_sounds_differ "$SPEECH_ENV/window-de.wav" "$SPEECH_ENV/cli-de.wav" \
    && fail "the window's German reading differs from velmoria-cli's"

[ "$failures" = 0 ] || exit 1
echo "The window spoke both sides."
