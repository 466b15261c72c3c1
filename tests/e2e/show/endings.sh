#!/bin/bash
# Every way a show ends, also in the middle of a transition, leaves the temporary folder as it
# found it when music was playing; and the hidden music window is never seen.
#   endings.sh music-mouse|music-key|music-click|music-escape|music-session|music-window|escape-in-transition
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
# shellcheck source=show_lib.sh
source "$(dirname "$0")/show_lib.sh"
e2e_begin
clear_temp_files

readonly background="srgb(16,32,96)"  # #102060

# A show of one pinned picture with one short track, which the music player starts after three
# seconds and opens again every three seconds once it has played.
make_music_show() {  # OUT
  local dir="$e2e_work/package"
  mkdir -p "$dir"
  convert -size 100x80 xc:'#C82828' "$dir/red.jpg"
  make_wav "$dir/tone.wav" 1
  cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Music", "backgroundColor": "#102060", "cursorVisible": true,
  "designWidth": 1024, "designHeight": 768,
  "items": [ { "picture": "red.jpg", "seconds": 30, "effect": -2, "outEffect": -2,
               "fixedPosition": true, "x": 600, "y": 300, "width": 200, "height": 160 } ],
  "music": [ { "path": "tone.wav", "name": "Tone" } ] }
JSON
  "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$1" --edition S >/dev/null
}

# end_show WAY: ends the running show the way a user or Windows would.
end_show() {
  case "$1" in
    mouse) e2e_mouse_move 560 460 ;;
    key) e2e_key a ;;
    click) e2e_click 1 ;;
    escape) e2e_key Escape ;;
    session) e2e_log "$(e2e_drive end-session "saverkit: show" | tr -d '\r')" ;;
  esac
}

# red_picture_changed SHOT: true when the pinned red picture's place is no longer all red.
red_picture_changed() {
  convert "$1" -crop 200x160+600+300 +repage "$1.crop.png"
  [ "$(compare -fuzz 5% -metric AE "$1.crop.png" "$e2e_work/red.png" null: 2>&1 || true)" != 0 ]
}

case "${1:-}" in
  music-mouse | music-key | music-click | music-escape | music-session)
    way=${1#music-}
    make_music_show "$e2e_work/Music.scr"
    e2e_mouse_move 500 400
    e2e_start "$e2e_work/Music.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    # The music's copy written: the music player opens it in the same step, and holds it now.
    e2e_wait_until "$E2E_PATIENCE" has_temp_files || e2e_fail "the music was never written out"
    e2e_log "temporary files while the show runs: $(temp_files)"
    end_show "$way"
    e2e_wait_exit
    e2e_expect_eq "the show ended ($way)" 0 "$e2e_exit_code"
    e2e_expect_eq "temporary files left behind ($way)" 0 "$(temp_files)"
    ;;
  escape-in-transition)
    # Escape while a slow transition runs: the close arrives through the transition's own message
    # pump, and the show must still end cleanly.
    dir="$e2e_work/package"
    mkdir -p "$dir"
    convert -size 100x80 xc:'#C82828' "$dir/red.jpg"
    convert -size 100x80 xc:'#28C828' "$dir/green.jpg"
    cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Slow", "backgroundColor": "#102060", "cursorVisible": true,
  "designWidth": 1024, "designHeight": 768,
  "items": [
    { "picture": "red.jpg", "seconds": 1, "effect": -2, "outEffect": 5, "outStep": 1, "outDelay": 60,
      "fixedPosition": true, "x": 600, "y": 300, "width": 200, "height": 160 },
    { "picture": "green.jpg", "seconds": 30, "effect": 5, "step": 1, "delay": 60,
      "fixedPosition": true, "x": 200, "y": 500, "width": 200, "height": 160 } ] }
JSON
    "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Slow.scr" --edition S >/dev/null
    e2e_mouse_move 500 400
    e2e_start "$e2e_work/Slow.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    # The red picture leaves over six seconds, starting after one: Escape once it has begun.
    expect_colour_soon "the red picture" "srgb(200,40,40)" "$e2e_work/shown.png" 700 380
    convert -size 200x160 xc:'#C82828' "$e2e_work/red.png"
    e2e_wait_screen "$e2e_work/leaving.png" red_picture_changed || e2e_fail "the red picture never began to leave"
    e2e_key Escape
    e2e_wait_exit
    e2e_expect_eq "Escape during a transition ends the show" 0 "$e2e_exit_code"
    ;;
  music-window)
    # The music window is the player's alone: nothing of it shows over the background.
    make_music_show "$e2e_work/Music.scr"
    e2e_mouse_move 500 400
    e2e_start "$e2e_work/Music.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    # Music playing (its copy written and opened in the same step), and the screen settled.
    e2e_wait_until "$E2E_PATIENCE" has_temp_files || e2e_fail "the music was never written out"
    e2e_wait_still "$e2e_work/music.png"
    # Where Wine puts a music window that shows: a strip 300 pixels wide along the top edge.
    for point in "0 0" "150 0" "298 0" "2 1" "150 1" "298 1" "150 4"; do
      read -r x y <<<"$point"
      expect_colour "background at $x,$y with music playing" "$background" "$(e2e_pixel "$e2e_work/music.png" "$x" "$y")"
    done
    e2e_key Escape
    e2e_wait_exit
    e2e_expect_eq "Escape ends the show" 0 "$e2e_exit_code"
    ;;
  *)
    echo "unknown case '${1:-}'" >&2
    exit 2
    ;;
esac
e2e_end
