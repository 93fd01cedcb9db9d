#!/bin/sh
# Screenshot of the place-lookup window after a search, taken under Xvfb
# against a result page served from this machine (no network needed).
#
#   scripts/browser-screenshot.sh [--hindi] [OUT.png] [BUILD_DIR]
#
# Defaults: docs/screenshots/place-lookup.png (with --hindi, the window in
# Hindi: place-lookup-hi.png) and build/. Needs xvfb-run, python3 and
# ImageMagick's import.
set -eu
lang=en
if [ "${1:-}" = "--hindi" ]; then lang=hi; shift; fi
root=$(cd "$(dirname "$0")/.." && pwd)
shot=place-lookup.png
[ "$lang" = hi ] && shot=place-lookup-hi.png
out=${1:-$root/docs/screenshots/$shot}
build=${2:-$root/build}
browser=$build/bin/rashi-drishti-browser
[ -x "$browser" ] || { echo "no $browser: build first" >&2; exit 1; }

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

mkdir -p "$work/site/search"
cat > "$work/site/search/index.html" <<'HTML'
<!DOCTYPE html><html><head><meta charset="utf-8">
<title>Latitude Longitude Pune Maharashtra India - Search</title></head>
<body style="font-family: sans-serif; margin: 20px">
<p style="color: #555">Results for <b>Latitude Longitude Pune Maharashtra India</b></p>
<h3><a href="#">Pune, Maharashtra, India: latitude and longitude</a></h3>
<p>Latitude 18&deg; 31' N, longitude 73&deg; 51' E (18.5204, 73.8567).</p>
<h3><a href="#">Pune - coordinates and time zone</a></h3>
<p>Pune lies at 18.52&deg; N 73.86&deg; E, time zone India Standard Time (UTC+5:30).</p>
</body></html>
HTML

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
(cd "$work/site" && exec python3 -m http.server "$port" --bind 127.0.0.1) >"$work/server.log" 2>&1 &
server_pid=$!

mkdir -p "$(dirname "$out")"
export RASHI_DRISHTI_SEARCH_URL="http://127.0.0.1:$port/search/"
export QT_LOGGING_RULES="qt.webenginecontext.info=false"
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export BROWSER_BIN="$browser" BROWSER_LANG="$lang" SHOT_OUT="$out" SERVER_LOG="$work/server.log"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$BROWSER_BIN" --lang="$BROWSER_LANG" --place-search --city=Pune --state=Maharashtra --country=India &
  pid=$!
  tries=0
  until grep -q "GET /search/?q=" "$SERVER_LOG"; do
    tries=$((tries + 1)); [ $tries -gt 300 ] && { echo "the search never arrived" >&2; kill $pid; exit 1; }
    sleep 0.1
  done
  sleep 1.5  # let the result page paint
  import -window root "$SHOT_OUT"
  kill $pid
'
/usr/bin/convert "$out" -trim +repage "$out" 2>/dev/null || true
echo "wrote $out"
