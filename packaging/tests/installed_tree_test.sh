#!/usr/bin/env bash
# The installed tree: every program, data folder, menu entry, icon, manual page and example
# where a Debian system looks for it and nothing anywhere else; the menu entries and the
# software-centre metadata pass Debian's validators; every manual page formats without a
# warning and documents every option its program's own usage text names.
# Arguments: the build folder and the source folder.
set -uo pipefail
build=$1
source=$2
here=$(dirname "$0")
. "$here/lib/install_tree.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

root=$work/root
install_tree "$build" "$root" || exit 1
usr=$root/usr

# What must be there, with its mode: the programs executable, everything else plain data.
expected=(
  "755 games/talvijahti" "755 games/wtrq" "755 bin/wtrq-scores" "755 bin/pjw"
  "644 share/games/talvijahti/levels/level1.lev" "644 share/games/talvijahti/levels/level10.lev"
  "644 share/games/talvijahti/data/tonttu.png" "644 share/games/talvijahti/sfx/wind.wav"
  "644 share/games/wtrq/data/gui.pjw" "644 share/games/wtrq/data/sounds.pjw"
  "644 share/games/wtrq/data/tiles.pjw" "644 share/games/wtrq/data/buildings.pjw"
  "644 share/games/wtrq/data/elves.pjw"
  "644 share/applications/talvijahti.desktop" "644 share/applications/wtrq.desktop"
  "644 share/metainfo/fi.joulupaketti.talvijahti.metainfo.xml"
  "644 share/metainfo/fi.joulupaketti.wtrq.metainfo.xml"
  "644 share/man/man6/talvijahti.6.gz" "644 share/man/man6/wtrq.6.gz"
  "644 share/man/man1/wtrq-scores.1.gz" "644 share/man/man1/pjw.1.gz"
  "644 share/doc/joulupaketti/copyright" "644 share/doc/joulupaketti/changelog.gz"
  "644 share/doc/joulupaketti/examples/wtrq.conf"
)
if [[ -f $source/scoreserver/wtrq-scores.service ]]; then
  expected+=("644 share/doc/joulupaketti/examples/wtrq-scores.service")
fi
if [[ -f $build/kirno32/kirno32.dll ]]; then
  expected+=("644 share/kirno32/kirno32.dll")
fi
for entry in "${expected[@]}"; do
  mode=${entry%% *} path=${entry#* }
  if [[ ! -f $usr/$path ]]; then
    fail "missing: /usr/$path"
  elif [[ $(stat -c %a "$usr/$path") != "$mode" ]]; then
    fail "/usr/$path has mode $(stat -c %a "$usr/$path"), expected $mode"
  fi
done

# Nothing outside the layout: the programs' folders, the games' data, the setup library's
# folder and the places desktops, man and the package's documents use.
allowed='^usr/(games/[^/]+|bin/[^/]+|share/games/(talvijahti|wtrq)/.+|share/kirno32/[^/]+'
allowed+='|share/applications/[^/]+\.desktop|share/metainfo/[^/]+\.metainfo\.xml'
allowed+='|share/icons/hicolor/[0-9]+x[0-9]+/apps/[^/]+\.png|share/man/man[16]/[^/]+\.[16]\.gz'
allowed+='|share/doc/joulupaketti/.+)$'
while IFS= read -r file; do
  [[ $file =~ $allowed ]] || fail "installed outside the layout: /$file"
done < <(cd "$root" && find . -type f -printf '%P\n' | sort)
while IFS= read -r file; do
  fail "a hidden file is installed: /$file"
done < <(cd "$root" && find . -mindepth 1 -name '.*' -printf '%P\n')
while IFS= read -r file; do
  [[ $(stat -c %a "$root/$file") == 644 ]] || fail "data file /$file has mode $(stat -c %a "$root/$file")"
done < <(cd "$root" && find usr/share -type f -printf '%P\n' | sed 's|^|usr/share/|')

# Menu entries: valid, their icon drawn in every usual size, their program installed.
sizes="16 22 24 32 48 64 128 256"
for desktop in "$usr"/share/applications/*.desktop; do
  name=$(basename "$desktop")
  report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate $name: $report"
  [[ -z $report ]] || echo "desktop-file-validate $name: $report"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  for size in $sizes; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
    if [[ ! -f $png ]] || ! /usr/bin/python3 -c "
import sys
from PIL import Image
image = Image.open(sys.argv[1])
sys.exit(0 if image.size == ($size, $size) and image.mode == 'RGBA' else 1)" "$png"; then
      fail "$name: no ${size}x${size} RGBA icon $icon.png"
    fi
  done
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [[ -x $usr/games/$program || -x $usr/bin/$program ]] || fail "$name: Exec=$program is not installed"
done
grep -qx 'Categories=Game;ActionGame;' "$usr/share/applications/talvijahti.desktop" ||
  fail "talvijahti.desktop is not in Game;ActionGame;"
grep -qx 'Categories=Game;StrategyGame;' "$usr/share/applications/wtrq.desktop" ||
  fail "wtrq.desktop is not in Game;StrategyGame;"
grep -q '^Comment\[fi\]=' "$usr/share/applications/talvijahti.desktop" ||
  fail "talvijahti.desktop has no Finnish comment"

# Software-centre metadata: valid (offline), each launching an installed menu entry.
for metainfo in "$usr"/share/metainfo/*.xml; do
  name=$(basename "$metainfo")
  report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fail "appstreamcli $name: $report"
  launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
  [[ -f $usr/share/applications/$launchable ]] || fail "$name launches $launchable, which is not installed"
done

# Manual pages: one for every program, formatted without a warning, naming every option
# the program's own usage text names.
for program in games/talvijahti games/wtrq bin/wtrq-scores bin/pjw; do
  name=${program#*/}
  page=$(ls "$usr"/share/man/man[16]/"$name".[16].gz 2>/dev/null)
  [[ -n $page ]] || { fail "no manual page for $name"; continue; }
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man --warnings $name: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
  for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS"; do
    grep -qx "$section" <<<"$text" || fail "the manual page of $name has no $section section"
  done
done
check_options() { # name, usage text: every --option or command word in the usage is in the page
  local name=$1 usage=$2 page text word
  page=$(ls "$usr"/share/man/man[16]/"$name".[16].gz)
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | col -b)
  for word in $(grep -o -- '--[a-z][a-z-]*' <<<"$usage" | sort -u); do
    grep -q -- "$word\b" <<<"$text" || fail "the manual page of $name does not tell about $word"
  done
}
check_options talvijahti "$("$usr/games/talvijahti" --help)"
check_options wtrq-scores "$("$usr/bin/wtrq-scores" --help)"
pjw_usage=$("$usr/bin/pjw" 2>&1)
check_options pjw "$pjw_usage"
pjw_page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$usr/share/man/man1/pjw.1.gz" 2>/dev/null | col -b)
for command in $(sed -n 's/^ *pjw \([a-z-]*\).*/\1/p' <<<"$pjw_usage"); do
  grep -q "pjw $command " <<<"$pjw_page" || fail "the manual page of pjw does not tell about pjw $command"
done

# Examples: the settings file is one wtrq reads; the unit starts the installed server.
conf=$usr/share/doc/joulupaketti/examples/wtrq.conf
grep -Eqx 'score_server = [^ ]+' "$conf" || fail "wtrq.conf sets no score_server"
grep -Eqx 'score_page = [^ ]+' "$conf" || fail "wtrq.conf sets no score_page"
unread=$(grep -Ev '^(#.*|\s*|(score_server|score_page) = [^ ]+)$' "$conf") &&
  fail "wtrq.conf has lines wtrq does not read: $unread"
unit=$usr/share/doc/joulupaketti/examples/wtrq-scores.service
if [[ -f $unit ]]; then
  grep -q '^ExecStart=/usr/bin/wtrq-scores ' "$unit" || fail "the unit does not start /usr/bin/wtrq-scores: $(grep ExecStart "$unit")"
fi

[[ $failures -eq 0 ]] && echo "the installed tree is complete, in its layout and valid"
exit $((failures > 0))
