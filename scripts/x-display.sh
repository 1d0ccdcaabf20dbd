# Sourced by the scripts that need a virtual X display of their own.
#   start_display WIDTHxHEIGHT   starts Xvfb on a display number no X server
#                                holds, exports DISPLAY once it accepts
#                                clients; its process is $display_pid
# The server picks the number itself (-displayfd): a lock file or socket in
# /tmp says nothing of servers in another /tmp that share the machine's
# abstract sockets, so guessing a free number can hand out a taken one.
# Needs xvfb (scripts/install-deps.sh).

start_display() {
  local number_file tries=0
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  display_pid=$!
  # The number is written, with a newline, once the server is ready.
  until grep -q '^[0-9][0-9]*$' "$number_file" 2>/dev/null; do
    kill -0 "$display_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; rm -f "$number_file"; return 1; }
    sleep 0.1
    tries=$((tries + 1))
    [ $tries -lt 100 ] || { echo "Xvfb did not start" >&2; rm -f "$number_file"; return 1; }
  done
  export DISPLAY=":$(cat "$number_file")"
  rm -f "$number_file"
}
