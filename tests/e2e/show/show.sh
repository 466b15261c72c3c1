#!/bin/bash
# The show under Wine: what it paints, how it steps on, how input ends it, and the preview.
# shellcheck source=../lib/harness.sh
source "$(dirname "$0")/../lib/harness.sh"
# shellcheck source=show_lib.sh
source "$(dirname "$0")/show_lib.sh"
e2e_begin
clear_temp_files

readonly host_program="$SAVERKIT_WIN64_DIR/tests/e2e/show/host/preview_host.exe"
readonly background="srgb(16,32,96)"  # #102060
readonly red="srgb(200,40,40)"
readonly green="srgb(40,200,40)"

# A show of two pictures pinned at known places on a background colour, with a two-colour
# background picture tiled from the top-left corner. EXTRA-JSON replaces the visible cursor.
make_show() {  # OUT [EXTRA-JSON]
  local dir="$e2e_work/package" extra=${2:-'"cursorVisible": true,'}
  mkdir -p "$dir"
  convert -size 100x80 xc:'#C82828' "$dir/red.jpg"
  convert -size 100x80 xc:'#28C828' "$dir/green.jpg"
  # A 100 x 80 tile, white in its left half and the background colour in its right half.
  convert -size 50x80 xc:'#FFFFFF' -size 50x80 xc:'#102060' +append "$dir/tile.jpg"
  cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Show", "description": "Made by the show's end-to-end tests.",
  "backgroundColor": "#102060", "background": "tile.jpg", $extra
  "designWidth": 1024, "designHeight": 768,
  "items": [
    { "picture": "red.jpg", "seconds": 2, "effect": -2, "outEffect": -2,
      "fixedPosition": true, "x": 600, "y": 300, "width": 200, "height": 160 },
    { "picture": "green.jpg", "seconds": 2, "effect": -2, "outEffect": -2,
      "fixedPosition": true, "x": 200, "y": 500, "width": 200, "height": 160 } ] }
JSON
  "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$1" --edition S >/dev/null
}

# Makes the package's copy of a picture undecodable: its first bytes, stored complemented in the
# package, no longer start a JPEG. The package writer refuses a bad picture, so the damage is
# done afterwards, as a bad disk or a broken download would.
damage_picture() {  # PACKAGE PICTURE
  python3 - "$1" "$2" <<'PY'
import sys
package, picture = (open(p, "rb").read() for p in sys.argv[1:3])
stored = bytes(b ^ 0xFF for b in picture[:len(picture) // 8])
at = package.find(stored)
if at < 0 or package.find(stored, at + 1) >= 0:
    sys.exit("the picture is not in the package exactly once")
with open(sys.argv[1], "r+b") as f:
    f.seek(at)
    f.write(b"\xff\xff")  # reads back as 00 00 where the start-of-image marker was
PY
}

# drive_line COMMAND ARGS...: the driver's answer, one line.
drive_line() { e2e_drive "$@" | tr -d '\r'; }

# picture_shown SHOT: true when the one 200 x 160 picture stands out of the background.
picture_shown() { [ "$(convert "$1" -fuzz 5% -trim -format '%wx%h' info: 2>/dev/null)" = 200x160 ]; }

# clock_past SECOND: true once the clock shows a later second.
clock_past() { [ "$(date +%s)" -gt "$1" ]; }

case "${1:-}" in
  show-pictures)
    make_show "$e2e_work/Show.scr"
    e2e_mouse_move 500 400
    e2e_start "$e2e_work/Show.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    # The first picture on screen, the second not yet: they come in turn.
    expect_colour_soon "the first picture" "$red" "$e2e_work/first.png" 700 380
    expect_colour "tile, white half" "srgb(255,255,255)" "$(e2e_pixel "$e2e_work/first.png" 20 40)"
    expect_colour "tile, coloured half" "$background" "$(e2e_pixel "$e2e_work/first.png" 75 40)"
    expect_colour "second column of tiles" "srgb(255,255,255)" "$(e2e_pixel "$e2e_work/first.png" 120 120)"
    expect_colour "second picture not yet" "$background" "$(e2e_pixel "$e2e_work/first.png" 375 580)"
    expect_colour_soon "second picture after the display time" "$green" "$e2e_work/second.png" 300 580
    expect_colour "first picture stays on the background" "$red" "$(e2e_pixel "$e2e_work/second.png" 700 380)"
    e2e_mouse_move 504 396
    if e2e_window_goes "saverkit: show"; then e2e_fail "a move of 4 pixels ended the show"; fi
    started=$(date +%s%N)
    e2e_mouse_move 510 396
    # The show itself ends within a few milliseconds of the close request, but Wine's X11 driver
    # waits up to two seconds for a window manager to withdraw an activated window before
    # DestroyWindow returns, and Xvfb runs none. A program that only shows a full-screen popup,
    # brings it to the front and destroys it waits the same 2.0 s (2 ms with the driver's
    # "Managed" off); the show must be activated to get the keys.
    e2e_wait_exit
    e2e_log "ended $(( ($(date +%s%N) - started) / 1000000 )) ms after the jump"
    e2e_expect_eq "a 6-pixel jump ends the show" 0 "$e2e_exit_code"
    e2e_expect_eq "temporary files left behind" 0 "$(temp_files)"
    ;;
  show-keys)
    make_show "$e2e_work/Show.scr"
    e2e_mouse_move 500 400
    e2e_start "$e2e_work/Show.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    # The keys go to the show once it runs its items.
    expect_colour_soon "the first picture" "$red" "$e2e_work/first.png" 700 380
    for key in Right Left Up Down Next Prior space BackSpace; do e2e_key "$key"; done
    if e2e_window_goes "saverkit: show"; then e2e_fail "a navigation key ended the show"; fi
    e2e_key Escape
    e2e_wait_exit
    e2e_expect_eq "Escape ends the show" 0 "$e2e_exit_code"
    ;;
  cursor-and-opacity)
    # EXTRA-JSON | what the driver sees of the cursor | of the window's opacity
    while IFS='|' read -r extra cursor opacity; do
      make_show "$e2e_work/Show.scr" "$extra"
      e2e_mouse_move 500 400
      e2e_start "$e2e_work/Show.scr" /s
      e2e_wait_window "saverkit: show" || e2e_fail "no show window"
      e2e_expect_soon "$extra opacity" "$opacity" drive_line layered "saverkit: show"
      e2e_expect_soon "$extra cursor" "$cursor" drive_line cursor
      e2e_key Escape
      e2e_wait_exit
      e2e_expect_eq "$extra: Escape ends the show" 0 "$e2e_exit_code"
    done <<'CASES'
"cursorVisible": true,|showing=1 shape=1|layered=0 alpha=255
"cursorVisible": false, "opacity": 50,|showing=0 shape=0|layered=1 alpha=127
"cursorVisible": true, "opacity": 100,|showing=1 shape=1|layered=0 alpha=255
CASES
    ;;
  damaged-items)
    # Between the two pictures: a picture that no longer decodes and a movie with no player
    # under Wine; the music cannot be opened either. The show goes on to the green picture.
    dir="$e2e_work/package"
    mkdir -p "$dir"
    convert -size 100x80 xc:'#C82828' "$dir/red.jpg"
    convert -size 100x80 xc:'#28C828' "$dir/green.jpg"
    convert -size 240x180 plasma:fractal -quality 90 "$dir/bad.jpg"
    printf 'FWS\x06\x20\x00\x00\x00not a movie any player could show' >"$dir/movie.swf"
    head -c 4096 /dev/urandom >"$dir/noise.mp3"
    cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Damaged", "backgroundColor": "#102060", "cursorVisible": true,
  "designWidth": 1024, "designHeight": 768,
  "items": [
    { "picture": "red.jpg", "seconds": 1, "effect": -2, "outEffect": -2,
      "fixedPosition": true, "x": 600, "y": 300, "width": 200, "height": 160 },
    { "picture": "bad.jpg", "seconds": 1, "effect": -2, "outEffect": -2,
      "fixedPosition": true, "x": 100, "y": 100, "width": 200, "height": 160 },
    { "movie": "movie.swf", "seconds": 1 },
    { "picture": "green.jpg", "seconds": 30, "effect": -2, "outEffect": -2,
      "fixedPosition": true, "x": 200, "y": 500, "width": 200, "height": 160 } ],
  "music": [ { "path": "noise.mp3" } ] }
JSON
    "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Damaged.scr" --edition S >/dev/null
    damage_picture "$e2e_work/Damaged.scr" "$dir/bad.jpg"
    e2e_mouse_move 500 400
    e2e_start "$e2e_work/Damaged.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    expect_colour_soon "the picture after the damaged items" "$green" "$e2e_work/after.png" 300 580
    expect_colour "the first picture stays on the background" "$red" "$(e2e_pixel "$e2e_work/after.png" 700 380)"
    e2e_window "saverkit: show" || e2e_fail "the damaged items ended the show"
    e2e_key Escape
    e2e_wait_exit
    e2e_expect_eq "Escape ends the show" 0 "$e2e_exit_code"
    e2e_expect_eq "temporary files left behind" 0 "$(temp_files)"
    ;;
  random-placement)
    # An unpinned picture lands somewhere else at each start: the show's random source is
    # seeded from the clock in whole seconds, so each start waits for a second later than the
    # one the show before it was seeded in.
    dir="$e2e_work/package"
    mkdir -p "$dir"
    convert -size 100x80 xc:'#C82828' "$dir/red.jpg"
    cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Random", "backgroundColor": "#102060", "cursorVisible": true,
  "designWidth": 1024, "designHeight": 768,
  "items": [ { "picture": "red.jpg", "seconds": 30, "effect": -2, "width": 200, "height": 160 } ] }
JSON
    "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Random.scr" --edition S >/dev/null
    places=()
    for run in 1 2 3; do
      e2e_mouse_move 500 400
      e2e_start "$e2e_work/Random.scr" /s
      e2e_wait_window "saverkit: show" || e2e_fail "no show window"
      seeded_by=$(date +%s)
      # Everything but the background colour is the picture: its bounding box is where it went.
      e2e_wait_screen "$e2e_work/run$run.png" picture_shown || e2e_fail "run $run: no picture"
      places+=("$(convert "$e2e_work/run$run.png" -fuzz 5% -trim -format '%wx%h%X%Y' info:)")
      e2e_key Escape
      e2e_wait_exit
      e2e_wait_until 2 clock_past "$seeded_by" || true
    done
    e2e_log "placements: ${places[*]}"
    e2e_expect_eq "different placements in three starts" 3 "$(printf '%s\n' "${places[@]}" | sort -u | wc -l)"
    ;;
  activation)
    # A later activation (the user back from another window) steps on at once.
    make_show "$e2e_work/Show.scr"
    sed -i 's/"seconds": 2/"seconds": 30/' "$e2e_work/package/manifest.json"
    "$SAVERKIT_SCRPACK" build "$e2e_work/package/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Show.scr" --edition S >/dev/null
    e2e_mouse_move 500 400
    e2e_start "$e2e_work/Show.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    expect_colour_soon "the first picture" "$red" "$e2e_work/before.png" 700 380
    expect_colour "the second picture not yet" "$background" "$(e2e_pixel "$e2e_work/before.png" 375 580)"
    e2e_drive activate "saverkit: show" >/dev/null || e2e_fail "cannot activate the show"
    # Its display time is 30 s: the second picture within that comes from the activation.
    expect_colour_soon "the second picture after the activation" "$green" "$e2e_work/after.png" 300 580
    e2e_key Escape
    e2e_wait_exit
    e2e_expect_eq "Escape ends the show" 0 "$e2e_exit_code"
    ;;
  overlay)
    # A logo overlay that half covers the picture stays above it, from the first paint on.
    dir="$e2e_work/package"
    mkdir -p "$dir"
    convert -size 100x80 xc:'#C82828' "$dir/red.jpg"
    convert -size 40x40 xc:'#F0F000' "$dir/logo.jpg"
    cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Overlay", "backgroundColor": "#102060", "cursorVisible": true,
  "designWidth": 1024, "designHeight": 768,
  "items": [
    { "picture": "logo.jpg", "overlay": true, "x": 550, "y": 250, "width": 100, "height": 100 },
    { "picture": "red.jpg", "seconds": 30, "effect": 51, "step": 10, "delay": 20, "outEffect": -2,
      "fixedPosition": true, "x": 600, "y": 300, "width": 200, "height": 160 } ] }
JSON
    "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Overlay.scr" --edition S >/dev/null
    e2e_mouse_move 500 400
    e2e_start "$e2e_work/Overlay.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    expect_colour_soon "the picture beside the overlay" "$red" "$e2e_work/overlay.png" 700 400
    expect_colour "the overlay over the picture" "srgb(240,240,0)" "$(e2e_pixel "$e2e_work/overlay.png" 625 325)"
    expect_colour "the overlay over the background" "srgb(240,240,0)" "$(e2e_pixel "$e2e_work/overlay.png" 560 260)"
    e2e_key Escape
    e2e_wait_exit
    e2e_expect_eq "Escape ends the show" 0 "$e2e_exit_code"
    ;;
  movie)
    # The real screen saver hosts the player's control (our stand-in, registered in a prefix of
    # this test's own): the movie plays, its frames advance, and the show waits for its last frame
    # (40 frames at 40 ms) although its display time is one second, then steps on: the control
    # has logged its last frame before the next picture shows.
    e2e_use_standin_flash
    dir="$e2e_work/package"
    mkdir -p "$dir"
    convert -size 100x80 xc:'#C82828' "$dir/red.jpg"
    convert -size 100x80 xc:'#28C828' "$dir/green.jpg"
    printf 'FWS\x06 a movie' >"$dir/movie.swf"
    cat >"$dir/manifest.json" <<JSON
{ "name": "E2E Movie", "backgroundColor": "#102060", "cursorVisible": true,
  "designWidth": 1024, "designHeight": 768,
  "items": [
    { "picture": "red.jpg", "seconds": 1, "effect": -2, "outEffect": -2,
      "fixedPosition": true, "x": 600, "y": 300, "width": 200, "height": 160 },
    { "movie": "movie.swf", "seconds": 1, "fixedPosition": true, "x": 100, "y": 100, "width": 320, "height": 240 },
    { "picture": "green.jpg", "seconds": 30, "effect": -2, "outEffect": -2,
      "fixedPosition": true, "x": 200, "y": 500, "width": 200, "height": 160 } ] }
JSON
    "$SAVERKIT_SCRPACK" build "$dir/manifest.json" --runtime "$e2e_runtime" --out "$e2e_work/Movie.scr" --edition S >/dev/null
    e2e_mouse_move 500 400
    SAVERKIT_STANDIN_FLASH_LOG="$(e2e_winpath "$e2e_work")\\standin.log" e2e_start "$e2e_work/Movie.scr" /s
    e2e_wait_window "saverkit: show" || e2e_fail "no show window"
    movie_seen="" green_seen="" crops=0 ended_first=0
    # One look at the screen: notes the movie, keeps two pictures of it, true once green shows.
    look() {  # SHOT
      local now
      now=$(date +%s%N)
      if [ -z "$movie_seen" ] && [ "$(e2e_pixel "$1" 110 110)" = "srgb(128,128,128)" ]; then
        movie_seen=$now
      fi
      if [ -n "$movie_seen" ] && [ "$crops" -lt 2 ]; then
        crops=$((crops + 1))
        convert "$1" -crop 320x240+100+100 "$e2e_work/movie$crops.png"
      fi
      [ "$(e2e_pixel "$1" 300 580)" = "$green" ] || return 1
      green_seen=$now
      if grep -q '^last frame 39' "$e2e_work/standin.log"; then ended_first=1; fi
    }
    e2e_wait_screen "$e2e_work/shot.png" look || true
    [ -n "$movie_seen" ] || e2e_fail "the movie never showed"
    [ -n "$green_seen" ] || e2e_fail "the show did not step on after the movie"
    e2e_expect_eq "the movie was at its last frame when the next picture showed" 1 "$ended_first"
    if [ "$crops" -eq 2 ]; then
      changed=$(compare -metric AE "$e2e_work/movie1.png" "$e2e_work/movie2.png" null: 2>&1 || true)
      [ "${changed%% *}" != "0" ] && e2e_log "frames advance: $changed pixels changed" || e2e_fail "the movie's frames do not advance"
    else
      e2e_fail "the movie showed in fewer than two screenshots"
    fi
    if [ -n "$movie_seen" ] && [ -n "$green_seen" ]; then
      e2e_log "the movie stayed about $(( (green_seen - movie_seen) / 1000000 )) ms"
    fi
    e2e_expect_eq "the control was loaded and played" "movie loaded, 40 frames;play" \
      "$(tr -d '\r' <"$e2e_work/standin.log" | grep -E '^(movie loaded|play)' | paste -sd';')"
    e2e_key Escape
    e2e_wait_exit
    e2e_expect_eq "Escape ends the show" 0 "$e2e_exit_code"
    e2e_expect_eq "temporary files left behind" 0 "$(temp_files)"
    ;;
  preview)
    # Pictures, and a movie the preview extracts like the show: both previews end with their
    # host and leave no file behind.
    make_show "$e2e_work/Show.scr"
    printf 'FWS\x06 a movie' >"$e2e_work/package/movie.swf"
    cat >"$e2e_work/package/movie.json" <<JSON
{ "name": "E2E Preview Movie", "backgroundColor": "#102060", "items": [ { "movie": "movie.swf", "seconds": 30 } ] }
JSON
    "$SAVERKIT_SCRPACK" build "$e2e_work/package/movie.json" --runtime "$e2e_runtime" --out "$e2e_work/Movie.scr" --edition S >/dev/null
    for saver in Show Movie; do
      # The preview runs for a second in its host before the host goes.
      out=$(e2e_run $((E2E_PATIENCE * 3)) "$host_program" "$(e2e_winpath "$e2e_work/$saver.scr")" 1 | tr -d '\r') || true
      e2e_log "$out"
      e2e_expect_eq "$saver: preview child inside the host" 1 "$(grep -c 'inside=1' <<<"$out")"
      e2e_expect_eq "$saver: preview ends with its host" 1 "$(grep -c '^ended after' <<<"$out")"
      e2e_expect_eq "$saver: temporary files left behind" 0 "$(temp_files)"
    done
    ;;
  *)
    echo "unknown case '${1:-}'" >&2
    exit 2
    ;;
esac
e2e_end
