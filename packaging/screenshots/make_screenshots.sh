#!/usr/bin/env bash
# Makes the store page's screenshots from the running game: a private X
# server (Xvfb) with a window manager (openbox), the game started from a
# folder of its own with private settings, played with xdotool.
#   packaging/screenshots/make_screenshots.sh [BIN_FOLDER]
# BIN_FOLDER holds the built peglore with Peglore.mid and Peglore.hlp
# (default build/dev/bin). Writes beginner.png, analysis.png, records.png
# and symbols.png beside this script and prints their sizes, which the
# metainfo states. Needs Xvfb, openbox, xdotool, x11-utils, x11-apps, ImageMagick,
# sqlite3 and optipng (scripts/install-deps.sh brings them).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/dev/bin}" && pwd)
work=$(mktemp -d)
pids=()
made_folder=
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work" ${made_folder:+"$made_folder"}
}
trap cleanup EXIT
failure=${TMPDIR:-/tmp}/make_screenshots-failure.png
fail() {
  echo "make_screenshots: $*" >&2
  [ -z "${DISPLAY:-}" ] || { import -window root "$failure" && echo "the screen then: $failure" >&2; } || true
  exit 1
}

# Runs "$@" every 0.2 s until it succeeds, for at most $1 seconds.
wait_for() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.2
  done
}

# The X server picks a free display and names it once it takes clients.
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1600x1000x24 -nolisten tcp 2>/dev/null)
pids+=($!)
read -r -t 20 display <&3 || fail "Xvfb did not start"
export DISPLAY=:$display
mkdir "$work/home"
HOME=$work/home openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"

# The Records window names the folder of its file: one of a fixed name
# reads better there than a temporary one, and makes the pictures the
# same from run to run.
folder=${TMPDIR:-/tmp}/peglore
mkdir "$folder" || fail "$folder is there already: another run uses it, or an old one left it"
made_folder=$folder
cp "$bin/peglore" "$bin/Peglore.mid" "$bin/Peglore.hlp" "$folder/"
game_pid=

# start_game SETTINGS [ARGUMENTS...]: writes Peglore.ini (unless SETTINGS
# is "-") and starts the game; sets main to its window.
start_game() {
  [ "$1" = - ] || printf '%b' "$1" >"$folder/Peglore.ini"
  shift
  (cd / && HOME=$folder XDG_RUNTIME_DIR=$folder QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy LC_ALL=C.UTF-8 \
    exec "$folder/peglore" "$@" >>"$folder/output.log" 2>&1) &
  game_pid=$!
  main=$(window_named Peglore) || fail "no game window; the game said: $(cat "$folder/output.log")"
  settled "$main" || fail "the game window never settled"
}

# window_named TITLE: waits for the game's visible window of that title.
window_named() {
  local id
  wait_for 20 sh -c "xdotool search --onlyvisible --name '^$1\$' >/dev/null" || return 1
  id=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
  # Framed by the window manager before anything is taken of it.
  wait_for 10 sh -c "xprop -id $id _NET_FRAME_EXTENTS | grep -q '='" || return 1
  echo "$id"
}

# frame WINDOW: "x y width height" of the window with its frame on the
# screen; an unframed window (a menu) as it stands.
frame() {
  local info x y w h l=0 r=0 t=0 b=0
  info=$(xwininfo -id "$1")
  x=$(awk -F: '/Absolute upper-left X/ { print $2 + 0 }' <<<"$info")
  y=$(awk -F: '/Absolute upper-left Y/ { print $2 + 0 }' <<<"$info")
  w=$(awk -F: '/^ *Width/ { print $2 + 0 }' <<<"$info")
  h=$(awk -F: '/^ *Height/ { print $2 + 0 }' <<<"$info")
  if extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$'); then
    IFS=', ' read -r l r t b <<<"$extents"
  fi
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# frames WINDOW... and pictures WINDOW...: where the windows stand, and a
# digest of what they show.
frames() { for window in "$@"; do frame "$window"; done; }
pictures() { for window in "$@"; do xwd -id "$window" -silent | md5sum; done; }

# settled [-q SECONDS] WINDOW...: waits until the windows stand and look
# the same for SECONDS (default 0.2, well within a tick of the game clock;
# a window without the clock can be given longer, for work the game does
# in the background): the game has taken every key and drawn what followed.
settled() {
  local quiet=0.2 place before now end=$((SECONDS + 60))
  if [ "$1" = -q ]; then quiet=$2; shift 2; fi
  while [ $SECONDS -lt $end ]; do
    place=$(frames "$@")
    before=$(pictures "$@")
    sleep "$quiet"
    now=$(pictures "$@")
    [ "$now" = "$before" ] && [ "$(frames "$@")" = "$place" ] && return 0
  done
  return 1
}

# changed WINDOW DIGEST: waits until the window no longer looks as it did.
changed() {
  wait_for 60 sh -c '[ "$(xwd -id '"$1"' -silent | md5sum)" != "'"$2"'" ]'
}

# keys WINDOW KEY...: gives the window the focus, as a click would, and
# types the keys.
keys() {
  local window=$1; shift
  xdotool windowfocus --sync "$window"
  xdotool key --delay 120 "$@"
}

# shoot NAME WINDOW...: the windows as they stand on the screen, cut to the
# smallest rectangle that holds them all; what lies outside every window
# is left transparent.
shoot() {
  local name=$1; shift
  local x0=100000 y0=100000 x1=0 y1=0 x y w h draw=()
  for window in "$@"; do
    read -r x y w h <<<"$(frame "$window")"
    x0=$((x < x0 ? x : x0)); y0=$((y < y0 ? y : y0))
    x1=$((x + w > x1 ? x + w : x1)); y1=$((y + h > y1 ? y + h : y1))
    draw+=(-draw "rectangle $x,$y $((x + w - 1)),$((y + h - 1))")
  done
  import -window root "$work/root.png"
  convert -size 1600x1000 xc:black -fill white "${draw[@]}" "$work/mask.png"
  convert "$work/root.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite \
    -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage -strip "$work/$name.png"
  rm -f "$here/$name.png"
  optipng -quiet -o5 -strip all -out "$here/$name.png" "$work/$name.png"
  echo "$name.png $(identify -format '%wx%h' "$here/$name.png") $(stat -c %s "$here/$name.png") bytes"
}

# open_menu: names a shown window of the game that no window manager
# frames: an open menu.
open_menu() {
  local window
  for window in $(xdotool search --onlyvisible --classname '^peglore$'); do
    if xwininfo -id "$window" | grep -q 'Override Redirect State: yes'; then
      echo "$window"
      return 0
    fi
  done
  return 1
}

stop_game() {
  # SIGTERM closes the game as Exit does: settings saved, the game on the
  # board recorded.
  kill -TERM "$game_pid"
  wait "$game_pid" || true
}

# 1. Beginner, three rows checked and the fourth begun.
start_game '[Options]\nMusic=0\n[Level Settings]\nDifficultyLevel=0\n' --game 2026
keys "$main" 1 2 3 4 4 5 2 6 1 3
settled "$main" || fail "the Beginner game did not settle"
shoot beginner "$main"
stop_game

# 2. A custom board of 10 holes with the Analysis window (F3) beside it:
#    two rows typed, the third the hint's (H).
start_game '[Options]\nMusic=0\n[Level Settings]\nCustomColumns=10\nCustomRows=12\nDifficultyLevel=3\n' --game 7
keys "$main" 1 2 3 4 5 6 7 8 1 2 2 3 1 5 4 7 8 6 3 3
settled "$main" || fail "the 10-hole game did not settle"
keys "$main" F3
analysis=$(window_named Analysis) || fail "no Analysis window"
settled -q 1.5 "$analysis" || fail "the analysis did not settle"
before=$(xwd -id "$analysis" -silent | md5sum)
keys "$main" h
changed "$analysis" "$before" || fail "the hint was not played"
settled -q 1.5 "$analysis" && settled "$main" || fail "the hint did not settle"
xdotool windowmove "$main" 20 60
settled "$main" || fail "the game window did not move"
read -r x y w h <<<"$(frame "$main")"
# Wide enough for every column, as tall as the game.
xdotool windowsize "$analysis" 820 $((h - 22))
xdotool windowmove "$analysis" $((x + w + 8)) 60
settled "$main" "$analysis" || fail "the Analysis window did not move"
shoot analysis "$main" "$analysis"
stop_game

# 3. The Records window (F4) over some weeks of games. The game makes its
#    records file when it starts; the games are then added as rows of its
#    table, as the game writes them.
start_game '[Options]\nMusic=0\n[Level Settings]\nDifficultyLevel=1\n' --game 31
stop_game
[ -s "$folder/Peglore.records" ] || fail "the game made no records file"
{
  echo "BEGIN;"
  # level width rows rows_used seconds hints outcome, a game or two a day
  # from 3 November
  day=0
  while read -r level width rows used seconds hints outcome; do
    day=$((day + 1))
    printf "INSERT INTO games (ended_at, level, width, rows, game_number, rows_used, seconds, outcome, hints) "
    printf "VALUES ('2026-11-%02dT%02d:%02d:00Z', %d, %d, %d, %d, %d, %d, '%s', %d);\n" \
      $((day / 2 + 3)) $((18 + day % 5)) $((day * 7 % 60)) "$level" "$width" "$rows" \
      $((day * 7919 + 104729)) "$used" "$seconds" "$outcome" "$hints"
  done <<'GAMES'
0 3 10 5 74 0 won
0 3 10 4 51 0 won
0 3 10 6 98 1 won
1 5 9 7 241 2 won
0 3 10 4 47 0 won
1 5 9 9 388 0 lost
1 5 9 6 203 1 won
0 3 10 3 29 0 won
1 5 9 5 176 0 won
2 8 12 9 512 3 won
1 5 9 6 190 0 won
1 5 9 3 88 0 given up
1 5 9 7 254 0 won
2 8 12 12 801 1 lost
1 5 9 5 149 0 won
1 5 9 6 212 0 won
3 10 12 10 934 2 won
1 5 9 4 131 0 won
1 5 9 8 307 0 won
1 5 9 6 168 0 won
1 5 9 5 142 0 won
GAMES
  echo "COMMIT;"
} | sqlite3 "$folder/Peglore.records"
start_game - --game 31
keys "$main" 1 2 3 4 5 4 4 6 6 1
settled "$main" || fail "the Intermediate game did not settle"
keys "$main" F4
records=$(window_named Records) || fail "no Records window"
# Large enough for every column and board.
xdotool windowsize "$records" 760 700
settled -q 1 "$records" || fail "the Records window did not settle"
keys "$records" Down  # the board played most, with the fullest chart
settled -q 1 "$records" || fail "the Records window did not settle"
shoot records "$records"
stop_game

# 4. Peg symbols on an Intermediate board, with the Tools menu open.
start_game '[Options]\nMusic=0\nPegSymbols=1\n[Level Settings]\nDifficultyLevel=1\n' --game 88
keys "$main" 1 2 3 4 5 6 7 8 1 2 3 3 6 6 8
settled "$main" || fail "the game with peg symbols did not settle"
keys "$main" alt+t
wait_for 10 open_menu >/dev/null || fail "no Tools menu"
menu=$(open_menu)
settled "$main" "$menu" || fail "the Tools menu did not settle"
shoot symbols "$main" "$menu"
keys "$main" Escape
stop_game
