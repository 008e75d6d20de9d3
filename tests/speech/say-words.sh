#!/bin/bash
# velmoria-cli speaks for real: "say" a German and an English word, and "test --speak" reads a
# question, through the private speech set-up of speech-env.sh. Each recording holds a word, and
# different words, or one spelling in two languages, sound different.
# Usage: say-words.sh VELMORIA-CLI (exit 77, skipped, without the packages)
cli=$1
. "${BASH_SOURCE%/*}/speech-env.sh"
speech_env_start

say() {
    speech_record "$1" "$cli" say "$3" --lang "$2" || fail "say $3 --lang $2"
    speech_check_word "$1" "\"$3\" in $2"
}
say de "German (Standard)" "das Eichhörnchen"
say en "English (United Kingdom)" "the squirrel"
speech_sounds_differ de en || fail "the German and the English word sound the same"
# The voice follows the language: the same letters read by the German and the English voice.
say hand-de 0x0407 "Hand"
say hand-en 0x0809 "Hand"
speech_sounds_differ hand-de hand-en || fail "\"Hand\" sounds the same in German and English"

# No voice speaks a language outside the table (Korean): a reason, not the default voice.
reason=$(timeout "$SPEECH_TIMEOUT" "$cli" say "Hund" --lang 0x0412 2>&1)
status=$?
[ "$status" = 1 ] && grep -q "No voice" <<<"$reason" || fail "say in a language without a voice: $status $reason"

# The drill reads its question; the answer comes once it has been read.
"$cli" new "$SPEECH_ENV/list.vmr" --foreign 0x0407 --native 0x0809 >/dev/null
"$cli" add "$SPEECH_ENV/list.vmr" "der @Hund" "dog" >/dev/null
speech_record drill bash -c "{ sleep 2; echo dog; } | \"$cli\" test \"$SPEECH_ENV/list.vmr\" --into native --speak \
    >\"$SPEECH_ENV/drill.out\" 2>&1" || fail "the drill with --speak: $(cat "$SPEECH_ENV/drill.out")"
speech_check_word drill "the drill's question"
grep -q "^Q: der Hund" "$SPEECH_ENV/drill.out" || fail "the drill did not ask: $(cat "$SPEECH_ENV/drill.out")"
speech_finish "All spoken."
