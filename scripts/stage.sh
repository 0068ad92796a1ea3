# One line per stage of a long command: the stage's name when it begins and its time when it
# ends ("build Pendra.exe … 40 s"), so that slow work can be told from a hang. What the stage
# prints is added to a log file instead, and shown only when the stage fails.
# Source it; then: stage LOG NAME COMMAND [ARGUMENTS...] (a function of the script will do).

stage() {
  local log=$1 name=$2 start=$SECONDS status errexit=$- logged
  shift 2
  logged=$(stat -c %s "$log" 2>/dev/null || echo 0)
  printf '%s … ' "$name"
  set +e
  (
    set -e
    "$@"
  ) >>"$log" 2>&1
  status=$?
  [[ $errexit == *e* ]] && set -e
  if [ "$status" -eq 0 ]; then
    echo "$((SECONDS - start)) s"
    return 0
  fi
  echo "failed after $((SECONDS - start)) s; what it printed (also in $log):"
  tail -c +"$((logged + 1))" "$log"
  return "$status"
}
