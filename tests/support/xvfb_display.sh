#!/bin/sh
# xvfb_display.sh start|stop DIR, or xvfb_display.sh run DIR COMMAND...: a private X server for
# the tests that need a display, as a ctest fixture. start launches Xvfb on a display it finds
# free (its screen WxHxD is start's optional third argument, 1024x768x24 unless given) and
# notes it in DIR; run starts COMMAND on that display (with no display when there is
# none, so that its tests skip); stop ends the server. Where Xvfb is missing or cannot start,
# start says so and succeeds: the tests skip.
action=$1
dir=$2
shift 2
case $action in
start)
  screen=${1:-1024x768x24}
  mkdir -p "$dir"
  rm -f "$dir/display" "$dir/number" "$dir/pid"
  if ! command -v Xvfb >/dev/null 2>&1; then
    echo "no Xvfb: the tests that need a display skip"
    exit 0
  fi
  # Never display 0: a process given no DISPLAY (the validator, the preview) still opens ":0.0"
  # through the toolkit's default, and would lose its connection when this server stops under
  # it. Xvfb writes the number to descriptor 3 once it accepts clients; a taken number makes it
  # exit, and the next is tried.
  number=90
  while [ $number -lt 110 ]; do
    if [ ! -e "/tmp/.X$number-lock" ] && [ ! -e "/tmp/.X11-unix/X$number" ]; then
      Xvfb ":$number" -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$dir/number" \
        </dev/null >"$dir/xvfb.log" 2>&1 &
      echo $! >"$dir/pid"
      tries=0
      while [ $tries -lt 100 ]; do
        if grep -q '^[0-9]' "$dir/number" 2>/dev/null; then
          head -1 "$dir/number" >"$dir/display"
          echo "Xvfb on :$(cat "$dir/display")"
          exit 0
        fi
        kill -0 "$(cat "$dir/pid")" 2>/dev/null || break
        sleep 0.1
        tries=$((tries + 1))
      done
      kill "$(cat "$dir/pid")" 2>/dev/null
      rm -f "$dir/pid"
    fi
    number=$((number + 1))
  done
  echo "Xvfb did not start: the tests that need a display skip"
  cat "$dir/xvfb.log"
  exit 0
  ;;
run)
  if [ -s "$dir/display" ]; then
    DISPLAY=":$(cat "$dir/display")"
    export DISPLAY
  else
    unset DISPLAY
  fi
  exec "$@"
  ;;
stop)
  [ -s "$dir/pid" ] && kill "$(cat "$dir/pid")" 2>/dev/null
  rm -f "$dir/display" "$dir/number" "$dir/pid"
  exit 0
  ;;
esac
echo "usage: xvfb_display.sh start|stop DIR, or xvfb_display.sh run DIR COMMAND..." >&2
exit 2
