#!/usr/bin/env bash
# The .deb: built by CPack with dependencies computed from the programs, holding nothing
# outside the layout, with no lintian error; installed with dpkg, both games run from their
# installed paths; removed again, it leaves nothing behind. Installing needs root: as another
# user the test is skipped.
# Arguments: the build folder and the source folder.
set -uo pipefail
build=$1
source=$2
here=$(dirname "$0")
. "$here/lib/wtrq_window.sh"
. "$here/lib/talvijahti_quit.sh"
. "$source/talvijahti/tests/lib/game_window.sh"
package=joulupaketti
if [[ $(id -u) -ne 0 ]]; then
  echo "SKIP: installing a .deb with dpkg needs root"
  exit 77
fi
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
  echo "SKIP: $package is installed on this machine already; the test will not replace it"
  exit 77
fi
work=$(mktemp -d)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
installed=0
wtrq_pid=""
cleanup() {
  stop_game
  [[ -n $wtrq_pid ]] && kill -KILL "$wtrq_pid" 2>/dev/null
  [[ $installed -eq 1 ]] && dpkg -r "$package" >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
deb=$(ls "$work"/cpack/"$package"_*.deb)
echo "built $(basename "$deb")"

# Dependencies come from the libraries the programs link.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
named=$(sed 's/([^)]*)//g; s/[,|]/\n/g' <<<"$depends" | tr -d ' ')
for library in libc6 libstdc++6 libsdl1.2debian libsdl-image1.2 libsdl-ttf2.0-0 libsdl-net1.2 libsqlite3-0; do
  grep -qxF "$library" <<<"$named" || fail "Depends does not name $library"
done
[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "the package is not in the games section"

# Only the layout: the same places the installed-tree test allows, and root owns them.
allowed='^\./usr/(games/[^/]+|bin/[^/]+|share/games/(talvijahti|wtrq)/.+|share/kirno32/[^/]+'
allowed+='|share/applications/[^/]+\.desktop|share/metainfo/[^/]+\.metainfo\.xml'
allowed+='|share/icons/hicolor/[0-9]+x[0-9]+/apps/[^/]+\.png|share/man/man[16]/[^/]+\.[16]\.gz'
allowed+='|share/doc/joulupaketti/.+)$'
while read -r mode owner _ _ _ path; do
  [[ $mode == -* ]] || continue
  [[ $path =~ $allowed ]] || fail "the package holds a file outside the layout: $path"
  [[ $owner == root/root ]] || fail "$path is owned by $owner"
done < <(dpkg-deb -c "$deb")

# lintian: no error; what else it says is printed for the record.
lintian --tag-display-limit 0 --display-info "$deb" >"$work/lintian.txt" 2>&1
echo "lintian says:"
sed 's/^/  /' "$work/lintian.txt"
if grep -q '^E:' "$work/lintian.txt"; then fail "lintian reports errors"; fi

# Install it, run the games from where the package put them, remove it again.
if ! dpkg -i "$deb" >"$work/dpkg.log" 2>&1; then
  cat "$work/dpkg.log" >&2
  fail "dpkg could not install the package"
  exit 1
fi
installed=1
before=$(cd /usr/share/games && find talvijahti wtrq -printf '%y %m %p\n' | sort)
mkdir -p "$work/home/run" "$work/elsewhere"
chmod 700 "$work/home/run"
export HOME=$work/home XDG_RUNTIME_DIR=$work/home/run XDG_CONFIG_HOME=$work/home/config SDL_AUDIODRIVER=dummy
unset TALVIJAHTI_DATA WTRQ_DATA SDL_VIDEODRIVER

check_talvijahti_quits_by_click /usr/share/games/talvijahti /usr/games/talvijahti

# Under the sanitizers the X11 libraries SDL unloads at shut-down leave leak reports without
# module names, which no suppression can match; the unit tests check wtrq's leaks on SDL's
# dummy driver.
cd "$work/elsewhere"
ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 /usr/games/wtrq 2>"$work/wtrq.err" &
wtrq_pid=$!
if window=$(wtrq_window "$wtrq_pid"); then
  [[ $(readlink "/proc/$wtrq_pid/cwd") == /usr/share/games/wtrq ]] ||
    fail "the installed wtrq works in $(readlink "/proc/$wtrq_pid/cwd")"
  wtrq_quit_from_menu "$window" "$wtrq_pid" || fail "the installed wtrq"
  if wtrq_wait "$wtrq_pid"; then
    [[ $wtrq_status -eq 0 ]] || fail "the installed wtrq ended with status $wtrq_status: $(cat "$work/wtrq.err")"
  else
    fail "the installed wtrq still ran after Quit"
  fi
else
  fail "the installed wtrq showed no window: $(cat "$work/wtrq.err")"
fi
wtrq_pid=""
cd /

# Run as root, the games could write into their data folders; they must not.
after=$(cd /usr/share/games && find talvijahti wtrq -printf '%y %m %p\n' | sort)
[[ $before == "$after" ]] || fail "running the games changed their data folders: $(diff <(echo "$before") <(echo "$after"))"

files=$(dpkg-query -L "$package")
if ! dpkg -r "$package" >"$work/dpkg.log" 2>&1; then
  cat "$work/dpkg.log" >&2
  fail "dpkg could not remove the package"
fi
installed=0
while IFS= read -r path; do
  [[ -f $path ]] && fail "left after removal: $path"
done <<<"$files"
for folder in /usr/share/games/talvijahti /usr/share/games/wtrq /usr/share/kirno32 /usr/share/doc/$package; do
  [[ -e $folder ]] && fail "left after removal: $folder $(ls -A "$folder")"
done

[[ $failures -eq 0 ]] && echo "the package installs, both games run from it, and it removes cleanly"
exit $((failures > 0))
