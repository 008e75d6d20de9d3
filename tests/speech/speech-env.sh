# Sourced by the speech tests (bash): a private PulseAudio with a null sink, and a private
# speech-dispatcher with espeak-ng playing into it, in a temporary folder with its own HOME and
# XDG_RUNTIME_DIR; nothing of the user's sound or speech set-up is touched or used.
#
#   speech_env_check          exit 77 (skipped) with a message when a package is missing
#   speech_env_start          start both; exports HOME, XDG_RUNTIME_DIR, PULSE_SERVER, SPEECHD_ADDRESS,
#                             SPEECH_ENV (the folder); registers speech_env_stop on exit
#   speech_env_stop           stop every process started here and remove the folder
#   speech_record FILE CMD... record the sink while CMD runs (bounded by SPEECH_TIMEOUT seconds),
#                             return CMD's status
#   speech_sound FILE         print "SECONDS RMS" of the recording without the silence around it
#   speech_sounds_differ A B  true when the two recordings are not the same sound
#
# A second script (the window's part) sources this file and calls the same functions.

SPEECH_TIMEOUT=${SPEECH_TIMEOUT:-30} # for each command run while recording
SPEECH_DEADLINE=${SPEECH_DEADLINE:-100} # for the whole script, below the test's own timeout
speech_pids=()

speech_skip() { echo "SKIPPED: $*"; exit 77; }

speech_env_check() {
    local tool
    for tool in pulseaudio:pulseaudio parecord:pulseaudio-utils pactl:pulseaudio-utils \
        speech-dispatcher:speech-dispatcher espeak-ng:espeak-ng sox:sox timeout:coreutils setsid:util-linux; do
        command -v "${tool%%:*}" >/dev/null || speech_skip "${tool%%:*} is not installed (package ${tool#*:})"
    done
    [ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] \
        || speech_skip "speech-dispatcher's espeak-ng module is not installed (package speech-dispatcher-espeak-ng)"
    [ -r /etc/speech-dispatcher/modules/espeak-ng.conf ] \
        || speech_skip "/etc/speech-dispatcher/modules/espeak-ng.conf is missing (package speech-dispatcher-espeak-ng)"
}

# Starts a command in a session of its own, so that stopping it stops what it started (the
# speech module, the audio helpers).
speech_spawn() {
    local log=$1
    shift
    setsid "$@" >"$log" 2>&1 &
    speech_pids+=("$!")
}

speech_env_stop() {
    local pid i
    for ((i = ${#speech_pids[@]} - 1; i >= 0; i--)); do
        pid=${speech_pids[i]}
        [ -n "$pid" ] || continue
        kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null
        for _ in $(seq 30); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL -- "-$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    speech_pids=()
    [ -n "${SPEECH_ENV:-}" ] && rm -rf "$SPEECH_ENV"
    SPEECH_ENV=""
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

speech_record() {
    local file=$1 status recorder
    shift
    setsid parecord --device=speech.monitor --file-format=wav "$file" &
    recorder=$!
    speech_pids+=("$recorder")
    # The recorder needs a moment to attach to the monitor; a word said before would be lost.
    for _ in $(seq 50); do
        pactl list short source-outputs | grep -q . && break
        sleep 0.1
    done
    timeout "$SPEECH_TIMEOUT" "$@"
    status=$?
    # What the service sent last is still in the sink's buffer when the command returns.
    sleep 0.5
    kill -INT "$recorder" 2>/dev/null
    wait "$recorder" 2>/dev/null
    local kept=() pid
    for pid in "${speech_pids[@]}"; do
        [ "$pid" = "$recorder" ] || kept+=("$pid")
    done
    speech_pids=("${kept[@]}")
    return $status
}

speech_sound() {
    local trimmed="${1%.wav}-trimmed.wav" stats
    sox "$1" "$trimmed" silence 1 0.01 1% reverse silence 1 0.01 1% reverse 2>/dev/null || { echo "0 0"; return; }
    stats=$(sox "$trimmed" -n stat 2>&1)
    echo "$(awk '/^Length/ {print $3}' <<<"$stats") $(awk '/^RMS +amplitude/ {print $3}' <<<"$stats")"
}

speech_sounds_differ() {
    local a="${1%.wav}-trimmed.wav" b="${2%.wav}-trimmed.wav" la lb diff rms
    la=$(soxi -D "$a") lb=$(soxi -D "$b")
    # Of clearly different lengths, or, as long, different samples: the difference of the two
    # holds a good part of their sound.
    awk -v a="$la" -v b="$lb" 'BEGIN { exit !(a > b * 1.1 || b > a * 1.1) }' && return 0
    diff=$(sox -m -v 1 "$a" -v -1 "$b" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}')
    rms=$(sox "$a" -n stat 2>&1 | awk '/^RMS +amplitude/ {print $3}')
    awk -v d="$diff" -v r="$rms" 'BEGIN { exit !(d > r * 0.3) }'
}
