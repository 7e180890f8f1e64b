#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR (prefix /usr) and runs the installed programs through
# their links in usr/bin with a fresh HOME, as root and as nobody: each user's files land under that
# HOME, nothing is written into the installed tree, and a second start reads back what the first
# left. Not root: runs as the current user only.
# usage: InstalledTreeTest.sh BUILD_DIR [CMAKE]
set -euo pipefail
build=$1
cmake=${2:-cmake}
work=$(mktemp -d)
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
fail() {
  echo "FAIL ($who): $*" >&2
  exit 1
}

DESTDIR="$work/root" "$cmake" --install "$build" --prefix /usr >/dev/null
bin="$work/root/usr/bin"
tree="$work/root/usr/lib/mk21cps"
[ -f "$tree/installed-tree" ] || { echo "FAIL: no marker in $tree" >&2; exit 1; }
listing() { (cd "$tree" && find . -printf '%p %m %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort); }
tree_before=$(listing)

users=(root nobody)
[ "$(id -u)" -ne 0 ] && users=("$(id -un)")
for who in "${users[@]}"; do
  home="$work/home-$who"
  mkdir -p "$home/run"
  chmod 700 "$home/run"
  [ "$who" != "$(id -un)" ] && chown -R "$who:" "$home"
  as_user=()
  [ "$who" != "$(id -un)" ] && as_user=(setpriv --reuid="$who" --regid="$(id -gn "$who")" --clear-groups)
  # A clean environment: no XDG_* of ours, HOME and the runtime folder in the fresh home.
  run() {
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home/run" \
      QT_QPA_PLATFORM=offscreen MK21CPS_CLOSE_WHEN_SHOWN=1 "$@"
  }
  config="$home/.config/mk21cps"
  data="$home/.local/share/mk21cps"

  run "$bin/mk21ctl" new --model ZR750G --band 0 -o "$home/new.dat" || fail "mk21ctl new"
  [ -s "$home/new.dat" ] || fail "mk21ctl new wrote no data file"

  run "$bin/mk21cps" --simulated-radio 2>"$work/err" || fail "first mk21cps: $(cat "$work/err")"
  for file in "$config/mysetup.ini" "$config/Habit.ini" "$config/Setting.ini" "$data/simulated-radio.mem"; do
    [ -f "$file" ] || fail "first start left no $file"
  done
  grep -q '^IsFirstRun=0' "$config/mysetup.ini" || fail "first start did not mark the first run done"

  # The choices the language and port dialogs store, and a port number naming a simulated radio.
  "${as_user[@]}" "$bin/mk21sim" --no-pacing --memory "$home/radio.mem" >"$work/sim.out" &
  sim_pid=$!
  for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
  device=$(head -n1 "$work/sim.out")
  "${as_user[@]}" sed -i -e 's/^CurrentLanguage=.*/CurrentLanguage=2/' -e 's/^comPort=.*/comPort=3/' \
    -e "\$a[Ports]\n4=$device" "$config/mysetup.ini"

  # mk21ctl finds port 4 in the user's mysetup.ini and keeps its read in the user's backups.
  run "$bin/mk21ctl" info --port 4 >/dev/null 2>"$work/err" || fail "mk21ctl info --port 4: $(cat "$work/err")"
  run "$bin/mk21ctl" read --port 4 -o "$home/read.dat" --yes 2>"$work/err" || fail "mk21ctl read: $(cat "$work/err")"
  ls "$data"/backups/*.img >/dev/null 2>&1 || fail "the read left no backup in $data/backups"
  kill "$sim_pid"
  wait "$sim_pid" || true
  sim_pid=""

  # The second start reads the user's copy: had it read the shipped one (a first run, language 1,
  # port 1), it would have written those back.
  run "$bin/mk21cps" 2>"$work/err" || fail "second mk21cps: $(cat "$work/err")"
  grep -q '^CurrentLanguage=2' "$config/mysetup.ini" || fail "the second start lost the language"
  grep -q '^comPort=3' "$config/mysetup.ini" || fail "the second start lost the port"
  grep -q '^IsFirstRun=0' "$config/mysetup.ini" || fail "the second start took itself for the first"

  [ "$(listing)" = "$tree_before" ] || fail "the installed tree changed: $(diff <(echo "$tree_before") <(listing))"
  if [ "$who" != root ]; then
    stray=$(find "$home" ! -user "$who")
    [ -z "$stray" ] || fail "files in $home not owned by $who: $stray"
  fi
  echo "$who: user files under HOME, installed tree unchanged"
done
