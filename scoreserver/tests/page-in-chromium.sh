#!/usr/bin/env bash
# Opens the score page of a fresh wtrq-scores in headless Chromium: the rows must be there in
# rank order, and screenshots at phone and desktop sizes are left in the output folder.
# usage: page-in-chromium.sh WTRQ_SCORES_PROGRAM OUTPUT_FOLDER
set -euo pipefail
program=$1
output=$2
mkdir -p "$output"
work=$(mktemp -d /tmp/wtrq-page.XXXXXX)
server=
finish() {
  [[ -n "$server" ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

"$program" --listen 127.0.0.1:0 --db "$work/scores.db" >"$work/server.out" 2>&1 &
server=$!
port=
for _ in $(seq 1 100); do
  port=$(sed -n 's|.*serving http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$work/server.out")
  [[ -n "$port" ]] && break
  sleep 0.1
done
[[ -n "$port" ]] || { echo "wtrq-scores did not start:"; cat "$work/server.out"; exit 1; }

submit() {  # name-with-plus score
  local check=$(( ($2 * 314) & 0xffffffff ))
  (( check >= 0x80000000 )) && check=$(( check - 0x100000000 ))
  printf 'GET /teamweb/wtrq/save.php?name=%s&score=%s&checksum=%s&fetch=1\n' "$1" "$2" "$check" |
    timeout 5 bash -c "exec 3<>/dev/tcp/127.0.0.1/$port; cat >&3; cat <&3" >/dev/null
}
submit Anna 1200
submit joe+b 950
submit Zed+3 4400
submit unnamed 10
submit Mia 2750
submit Ola 9000
# Refused: markup in a name, a wrong check value.
printf 'GET /teamweb/wtrq/save.php?name=%%3Cb%%3Ex&score=9999&checksum=3139686&fetch=1\n' |
  timeout 5 bash -c "exec 3<>/dev/tcp/127.0.0.1/$port; cat >&3; cat <&3" >/dev/null
printf 'GET /teamweb/wtrq/save.php?name=Liar&score=8000&checksum=1&fetch=1\n' |
  timeout 5 bash -c "exec 3<>/dev/tcp/127.0.0.1/$port; cat >&3; cat <&3" >/dev/null

browse() {
  timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$(mktemp -d "$work/profile.XXXXXX")" "$@" 2>>"$work/chromium.log"
}
page="http://127.0.0.1:$port/teamweb/wtrq/"
browse --dump-dom "$page" >"$work/dom.html"
names=$(sed -n 's|.*<td class="name">\([^<]*\)</td>.*|\1|p' "$work/dom.html" | tr '\n' ',')
expected="Ola,Zed 3,Mia,Anna,joe b,unnamed,"
if [[ "$names" != "$expected" ]]; then
  echo "rows on the page: $names"
  echo "expected:         $expected"
  exit 1
fi
grep -q '6 scores, page 1 of 1' "$work/dom.html" || { echo "no score count on the page"; exit 1; }
browse --window-size=390,700 --screenshot="$output/score-page-phone.png" "$page" >/dev/null
browse --window-size=1280,720 --screenshot="$output/score-page-desktop.png" "$page" >/dev/null
[[ -s "$output/score-page-phone.png" && -s "$output/score-page-desktop.png" ]] || { echo "no screenshot"; exit 1; }
echo "rows in rank order: $names; screenshots in $output"
