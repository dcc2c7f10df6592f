# Sourced by scripts/test: start_sound_server starts a private PulseAudio
# server and exports what the tests' clients need to reach it.
# The sound cues are played for real through a private PulseAudio server
# whose only output is a null sink; it lives in a temporary folder of its
# own (also when run as root) and is stopped by its process id at the end.
# Without it the playback test skips and says why.
sound_dir=""
sound_pid=""
stop_sound_server() {
  if [[ -n "$sound_pid" ]]; then
    kill "$sound_pid" 2>/dev/null || true
    wait "$sound_pid" 2>/dev/null || true
  fi
  if [[ -n "$sound_dir" ]]; then
    rm -rf "$sound_dir"
  fi
}
start_sound_server() {
  if ! command -v pulseaudio >/dev/null 2>&1; then
    echo "pulseaudio not installed: the sound playback test will be skipped" >&2
    return
  fi
  sound_dir=$(mktemp -d)
  mkdir -p "$sound_dir/home" "$sound_dir/runtime"
  chmod 700 "$sound_dir/runtime"
  trap stop_sound_server EXIT
  HOME="$sound_dir/home" XDG_RUNTIME_DIR="$sound_dir/runtime" \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false --disallow-exit \
      -L module-null-sink -L module-native-protocol-unix \
      >"$sound_dir/pulseaudio.log" 2>&1 &
  sound_pid=$!
  local socket="$sound_dir/runtime/pulse/native"
  for _ in $(seq 100); do
    [[ -S "$socket" ]] && break
    kill -0 "$sound_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! -S "$socket" ]]; then
    echo "the private sound server did not start; the sound playback test will be skipped:" >&2
    cat "$sound_dir/pulseaudio.log" >&2
    return
  fi
  # The tests' clients use the private server and its cookie, nothing in $HOME.
  export XDG_RUNTIME_DIR="$sound_dir/runtime"
  export PULSE_SERVER="unix:$socket"
  export PULSE_COOKIE="$sound_dir/home/.config/pulse/cookie"
}
