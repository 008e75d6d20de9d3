#!/bin/bash
# velmoria-cli test --due --speak through the private speech set-up of speech-env.sh: the review
# reads its question, after a wrong answer the expected answer in the answer's language, then the
# question asked again, each heard whole.
# Usage: review-words.sh VELMORIA-CLI (exit 77, skipped, without the packages)
cli=$1
. "${BASH_SOURCE%/*}/speech-env.sh"
speech_env_start
list="$SPEECH_ENV/list.vmr"
export XDG_DATA_HOME="$SPEECH_ENV/data"

# How each word sounds alone.
speech_record hund "$cli" say "der Hund" --lang 0x0407 || fail "say der Hund"
speech_check_word hund "der Hund"
speech_record dog "$cli" say "dog" --lang 0x0409 || fail "say dog"
speech_check_word dog "dog"

"$cli" new "$list" --foreign 0x0407 --native 0x0409 >/dev/null
"$cli" add "$list" "der @Hund" "dog" >/dev/null
# Wrong, so the answer is read and the word asked again; the input ends while that is read.
speech_record review bash -c "{ sleep 2; echo wrong; sleep 5; } | \"$cli\" test \"$list\" --due --today 2026-12-07 \
    --into native --speak >\"$SPEECH_ENV/review.out\" 2>&1" || fail "the review with --speak: $(cat "$SPEECH_ENV/review.out")"
grep -q "^Wrong! dog" "$SPEECH_ENV/review.out" || fail "no verdict: $(cat "$SPEECH_ENV/review.out")"
[ "$(grep -c "^Q: der Hund" "$SPEECH_ENV/review.out")" = 2 ] || fail "not asked twice: $(cat "$SPEECH_ENV/review.out")"
# The recording cut at its pauses: the question, the answer, the question again.
sox "$SPEECH_ENV/review.wav" "$SPEECH_ENV/part.wav" silence 1 0.01 1% 1 0.3 1% : newfile : restart 2>/dev/null
parts=()
for part in "$SPEECH_ENV"/part*.wav; do
    length=$(sox "$part" -n stat 2>&1 | awk '/^Length/ {print $3}')
    awk -v l="$length" 'BEGIN { exit !(l >= 0.2) }' && parts+=("$(basename "$part" .wav)")
done
echo "heard ${#parts[@]} words"
if [ "${#parts[@]}" = 3 ]; then
    for i in 0 1 2; do speech_check_word "${parts[$i]}" "word $((i + 1)) of the review"; done
    speech_sounds_alike "${parts[0]}" hund || fail "the question did not sound as \"der Hund\" does"
    speech_sounds_alike "${parts[1]}" dog || fail "the answer did not sound as \"dog\" does"
    speech_sounds_alike "${parts[2]}" hund || fail "the question asked again did not sound as \"der Hund\" does"
else
    fail "the review read ${#parts[@]} words, not the question, the answer and the question again"
fi
speech_finish "The review spoke."
