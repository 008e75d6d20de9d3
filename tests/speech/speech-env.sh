# Sourced by the speech tests (bash): a private PulseAudio with a null sink, and a private
# speech-dispatcher with espeak-ng playing into it, in a temporary folder ($SPEECH_ENV) with its own
# HOME and XDG_RUNTIME_DIR; nothing of the user's sound or speech set-up is touched or used. Recordings
# are named: speech_record NAME CMD... (or speech_listen NAME ... speech_heard NAME) makes NAME.wav.
# Exit status 77 (skipped) where a package is missing.
set -u
SPEECH_TIMEOUT=${SPEECH_TIMEOUT:-30} # for each command run while recording
SPEECH_DEADLINE=${SPEECH_DEADLINE:-100} # for the whole script, below the test's own timeout
speech_pids=()
failures=0
raw_format=(-t raw -e signed -b 16 -r 22050 -c 1)

speech_skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
speech_finish() {
    [ "$failures" = 0 ] || { tail -20 "$SPEECH_ENV/log/speech-dispatcher.log" 2>/dev/null; exit 1; }
    echo "$*"
}

# Starts a command in a session of its own, so that ending it ends what it started (the speech
# module, the audio helpers).
speech_spawn() {
    local log=$1
    shift
    setsid "$@" >"$log" 2>&1 &
    speech_pids+=("$!")
}

# Ends one of them with a signal (TERM unless given), KILL after three seconds, and forgets it.
speech_end() {
    local pid=$1 kept=() other
    kill -"${2:-TERM}" -- "-$pid" 2>/dev/null || kill -"${2:-TERM}" "$pid" 2>/dev/null
    for _ in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL -- "-$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    for other in "${speech_pids[@]}"; do
        [ "$other" = "$pid" ] || kept+=("$other")
    done
    speech_pids=("${kept[@]}")
}

speech_env_stop() {
    while [ ${#speech_pids[@]} -gt 0 ]; do
        speech_end "${speech_pids[-1]}"
    done
    [ -n "${SPEECH_ENV:-}" ] && rm -rf "$SPEECH_ENV"
}

speech_wait_for() {
    local what=$1 log=$2
    shift 2
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "$what did not start:"
    cat "$log"
    exit 1
}

speech_env_start() {
    local tool
    for tool in pulseaudio:pulseaudio parecord:pulseaudio-utils pactl:pulseaudio-utils \
        speech-dispatcher:speech-dispatcher espeak-ng:espeak-ng sox:sox timeout:coreutils setsid:util-linux; do
        command -v "${tool%%:*}" >/dev/null || speech_skip "${tool%%:*} is not installed (package ${tool#*:})"
    done
    [ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] && [ -r /etc/speech-dispatcher/modules/espeak-ng.conf ] \
        || speech_skip "speech-dispatcher's espeak-ng module is not installed (package speech-dispatcher-espeak-ng)"
    SPEECH_ENV=$(mktemp -d /tmp/velmoria-speech.XXXXXX)
    trap speech_env_stop EXIT
    trap 'echo "Stopped: a step took too long or the test was interrupted."; exit 1' INT TERM
    # A test runner's timeout would kill this script and leave the services running: the script
    # ends itself first, through its own exit trap.
    speech_spawn /dev/null bash -c "sleep $SPEECH_DEADLINE; kill -TERM $$"
    mkdir -p "$SPEECH_ENV"/{home,run,config/modules,log}
    chmod 700 "$SPEECH_ENV/run"
    export HOME="$SPEECH_ENV/home" XDG_RUNTIME_DIR="$SPEECH_ENV/run" XDG_CONFIG_HOME="$SPEECH_ENV/home/.config"
    export PULSE_SERVER="unix:$SPEECH_ENV/run/pulse-native"
    export SPEECHD_ADDRESS="unix_socket:$SPEECH_ENV/run/speechd.sock"
    unset DBUS_SESSION_BUS_ADDRESS

    cat >"$SPEECH_ENV/pulse.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=$SPEECH_ENV/run/pulse-native
load-module module-null-sink sink_name=speech
set-default-sink speech
PA
    speech_spawn "$SPEECH_ENV/log/pulse.log" pulseaudio -n -F "$SPEECH_ENV/pulse.pa" --daemonize=no \
        --exit-idle-time=-1 --disable-shm=yes --use-pid-file=no --log-target=stderr
    speech_wait_for PulseAudio "$SPEECH_ENV/log/pulse.log" pactl info

    cp /etc/speech-dispatcher/modules/espeak-ng.conf "$SPEECH_ENV/config/modules/"
    cat >"$SPEECH_ENV/config/speechd.conf" <<CONF
LogLevel 1
LogDir "$SPEECH_ENV/log"
AudioOutputMethod "pulse"
AudioPulseServer "$PULSE_SERVER"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
    speech_spawn "$SPEECH_ENV/log/speechd.out" speech-dispatcher -s -t 0 -C "$SPEECH_ENV/config" \
        -c unix_socket -S "$SPEECH_ENV/run/speechd.sock" -P "$SPEECH_ENV/run/speechd.pid"
    speech_wait_for speech-dispatcher "$SPEECH_ENV/log/speechd.out" test -S "$SPEECH_ENV/run/speechd.sock"
}

# Raw samples, so that the recording can be read while it grows.
speech_listen() {
    speech_spawn /dev/null parecord --device=speech.monitor --raw --format=s16le --rate=22050 --channels=1 \
        "$SPEECH_ENV/$1.raw"
    speech_recorder=$!
    # The recorder needs a moment to attach to the monitor; a word said before would be lost.
    for _ in $(seq 50); do
        pactl list short source-outputs | grep -q . && break
        sleep 0.1
    done
}

speech_heard() {
    speech_end "$speech_recorder" INT
    sox "${raw_format[@]}" "$SPEECH_ENV/$1.raw" "$SPEECH_ENV/$1.wav"
}

speech_record() {
    local name=$1 status
    shift
    speech_listen "$name"
    timeout "$SPEECH_TIMEOUT" "$@"
    status=$?
    sleep 0.5 # what the service sent last is still in the sink's buffer when the command returns
    speech_heard "$name"
    return $status
}

# One spoken word or two: between a fifth of a second and three seconds of clearly audible sound,
# measured without the silence around it.
speech_check_word() {
    local trimmed="$SPEECH_ENV/$1-trimmed.wav" stats length=0 rms=0
    if sox "$SPEECH_ENV/$1.wav" "$trimmed" silence 1 0.01 1% reverse silence 1 0.01 1% reverse 2>/dev/null; then
        stats=$(sox "$trimmed" -n stat 2>&1)
        length=$(awk '/^Length/ {print $3}' <<<"$stats") rms=$(awk '/^RMS +amplitude/ {print $3}' <<<"$stats")
    fi
    echo "$1: $2: ${length}s of sound, RMS $rms"
    awk -v l="$length" -v r="$rms" 'BEGIN { exit !(l >= 0.2 && l <= 3 && r >= 0.01) }' \
        || fail "$2 was not heard as a word (${length}s, RMS $rms)${3:+: $(cat "$3" 2>/dev/null)}"
}

# Length, loudness and rough frequency (sox's zero-crossing estimate) of a recording's sound. Pauses
# inside it go first: on a busy machine the sink can fall behind and record a gap mid-word.
speech_features() {
    sox "$SPEECH_ENV/$1-trimmed.wav" "$SPEECH_ENV/$1-voiced.wav" silence -l 1 0.01 1% -1 0.04 1% 2>/dev/null
    sox "$SPEECH_ENV/$1-voiced.wav" -n stat 2>&1 | awk '/^(Length|RMS +amplitude|Rough)/ {printf "%s ", $NF}'
}

# Two recordings never agree sample by sample (they start a few samples apart): they differ when one
# of their features differs by more than 15%, and are alike while at most one does (a sink falling
# behind on a busy machine stretches one recording's length alone).
speech_features_off() {
    echo "$(speech_features "$1") $(speech_features "$2")" \
        | awk '{ for (i = 1; i <= 3; i++) d += $i > $(i + 3) * 1.15 || $(i + 3) > $i * 1.15 } END { print d + 0 }'
}
speech_sounds_differ() { [ "$(speech_features_off "$1" "$2")" -ge 1 ]; }
speech_sounds_alike() { [ "$(speech_features_off "$1" "$2")" -le 1 ]; }

# Seconds from the start of CMD... to its first sound in the sink, printed: where the sound starts in
# a recording that runs already, less what had been recorded when CMD started. The recording path
# adds a delay of its own: measure a sound played at once (paplay) the same way to know it.
speech_first_sound() {
    local name=$1 recorded start
    shift
    speech_spawn /dev/null parecord --device=speech.monitor --raw --format=s16le --rate=22050 --channels=1 \
        --latency-msec=10 "$SPEECH_ENV/$name.raw"
    speech_recorder=$!
    # A fifth of a second of silence first, so that the size of the recording keeps time.
    for _ in $(seq 100); do
        [ "$(stat -c %s "$SPEECH_ENV/$name.raw" 2>/dev/null || echo 0)" -gt 8820 ] && break
        sleep 0.05
    done
    recorded=$(stat -c %s "$SPEECH_ENV/$name.raw")
    timeout "$SPEECH_TIMEOUT" "$@" >/dev/null 2>&1 || fail "$* while measuring"
    sleep 0.5
    speech_heard "$name"
    # The length of the silence before the sound, less the recording (two bytes a sample) before CMD.
    start=$(sox "$SPEECH_ENV/$name.wav" -n stat 2>&1 | awk '/^Length/ {print $3}')
    sox "$SPEECH_ENV/$name.wav" "$SPEECH_ENV/$name-sound.wav" silence 1 0.01 1% 2>/dev/null
    awk -v all="$start" -v sound="$(sox "$SPEECH_ENV/$name-sound.wav" -n stat 2>&1 | awk '/^Length/ {print $3}')" \
        -v before="$recorded" 'BEGIN { printf "%.3f\n", all - sound - before / 44100 }'
}
