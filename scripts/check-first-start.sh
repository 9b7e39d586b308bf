#!/usr/bin/env bash
# A program's first start, unattended and headless: under a new home the program must lay out
# ~/Trelimor (installation file, databases, folders and every template of TEMPLATES) and reach
# its login window; a second start must find the folder and go straight to the login window.
#
#   check-first-start.sh PROGRAM TEMPLATES
#
# The program runs with TRELIMOR_START_PROBE=1, which names each window it shows and closes it
# (src/app/StartProbe.h): closing the login window ends the program as its Cancel does.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: check-first-start.sh PROGRAM TEMPLATES" >&2
    exit 2
fi
program=$1
templates=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
mkdir "$work/home"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
export TRELIMOR_NETWORK="$work/network" QT_QPA_PLATFORM=offscreen TRELIMOR_START_PROBE=1
unset TRELIMOR_HOME
folder="$HOME/Trelimor"

fail() {
    echo "check-first-start: $*" >&2
    exit 1
}

# Runs the program once; its standard output is left in $work/out.
start() {
    local rc=0
    timeout 120 "$program" >"$work/out" 2>"$work/err" || rc=$?
    if [ "$rc" -ne 0 ]; then
        cat "$work/out" "$work/err" >&2
        fail "$program ended with $rc"
    fi
}

start
grep -q '^window: frmLoginLab "' "$work/out" || { cat "$work/out" "$work/err" >&2; fail "no login window"; }
grep -q '"INFORMACJA"$' "$work/out" || fail "the first start did not say it laid out the folder"
for made in Trelimor.ini Dane/Stale.sqlite Dane/Robot.sqlite; do
    [ -f "$folder/$made" ] || fail "no $folder/$made"
done
for made in Dane Eksport Archiwum Raporty; do
    [ -d "$folder/$made" ] || fail "no folder $folder/$made"
done
grep -q "^RAPORTY=$folder/Raporty/" "$folder/Trelimor.ini" || fail "Trelimor.ini does not name $folder/Raporty/"
diff -r "$templates" "$folder/Raporty" >/dev/null || fail "the templates in $folder/Raporty differ from $templates"
echo "first start: $folder laid out ($(find "$folder/Raporty" -type f | wc -l) templates), then:"
grep '^window: ' "$work/out"

start
grep -q '^window: frmLoginLab "' "$work/out" || fail "no login window on the second start"
if grep -q '"INFORMACJA"$' "$work/out"; then fail "the second start laid out the folder again"; fi
echo "second start:"
grep '^window: ' "$work/out"
