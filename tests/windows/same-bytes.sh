#!/usr/bin/env bash
# The Windows obrix-cli (run under Wine) and the Linux one, given the same commands on
# copies of one sample game, must leave byte-for-byte the same files: save, global-mod,
# export-table and import-table, export of a league, imports kept in the data folder, backup
# and restore. The game folder has a Japanese name and the data folder a name beyond ASCII
# too, as under a user folder like C:\Users\José.
# usage: same-bytes.sh LINUX_CLI WINDOWS_CLI [RUNNER]   (RUNNER: cmake/wine-run.sh)
set -euo pipefail
linux_cli=$(realpath "$1")
windows_cli=$(realpath "$2")
runner=${3:-$(dirname "$0")/../../cmake/wine-run.sh}
runner=$(realpath "$runner")
# The Wine prefix of the Windows build the program comes from (build/mingw/wineprefix).
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$(dirname "$windows_cli")
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] && export WINEPREFIX="$dir/wineprefix"
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/obrix-same-bytes.XXXXXX")
trap 'rm -rf "$work"' EXIT

game='ゲーム'
data='José'
"$linux_cli" sample "$work/sample" --seed 11 >/dev/null
for side in linux windows; do
  mkdir -p "$work/$side"
  cp -r "$work/sample" "$work/$side/$game"
done

# Each command runs in its side's folder with relative names, so that both see the same
# names whatever the system calls the folder.
run() {
  local side=$1; shift
  if [ "$side" = linux ]; then
    (cd "$work/$side" && "$linux_cli" "$@")
  else
    (cd "$work/$side" && "$runner" "$windows_cli" "$@")
  fi
}

step() {
  for side in linux windows; do
    if ! out=$(run "$side" "$@" 2>&1); then
      echo "FAILED on $side: obrix-cli $*" >&2
      echo "$out" >&2
      exit 1
    fi
    printf '%s\n' "$out" | tr -d '\r' >"$work/$side.out"
  done
}

step save "$game" --data-folder "$data"
step global-mod "$game" --amount 3 --groups gk,def,mid,fwd --skills all --data-folder "$data"
step export-table "$game" --table teams --data-folder "$data" teams.csv
# One edit made in the table, the same on both sides: the first team's bankroll.
for side in linux windows; do
  python3 - "$work/$side/teams.csv" <<'PY'
import csv, sys
path = sys.argv[1]
with open(path, newline='', encoding='utf-8') as f:
    lines = f.read().split('\n')
header = list(csv.reader([lines[0].lstrip('\ufeff')]))[0]
row = list(csv.reader([lines[1]]))[0]
at = header.index('bankroll')
row[at] = str(int(row[at]) + 1000)
lines[1] = ','.join('"' + v.replace('"', '""') + '"' if any(ch in v for ch in ',"\n') else v for v in row)
with open(path, 'w', newline='', encoding='utf-8') as f:
    f.write('\n'.join(lines))
PY
done
step import-table "$game" teams.csv --data-folder "$data"
step export "$game" --league 0 out
step import "$game" --glv "$game/USER/Harbour League.GLV" --data-folder "$data"
step import "$game" --db "$game/USER/Northern Counties" --data-folder "$data"
# Both sides see the kept leagues alike.
step dump "$game" --data-folder "$data"
cmp -s "$work/linux.out" "$work/windows.out" || { echo "dump with the kept leagues differs" >&2; exit 1; }
grep -q 'Harbour' "$work/linux.out" || { echo "the kept league is not in the dump" >&2; exit 1; }
step backup "$game" --data-folder "$data"
step global-mod "$game" --amount -2 --groups mid --skills all --data-folder "$data" --no-backup
step restore "$game" --data-folder "$data"

# The commands did something: the game's database is not the sample's, the league is out.
cmp -s "$work/sample/DATA/CMN/FE/FCDB.DBI" "$work/linux/$game/DATA/CMN/FE/FCDB.DBI" \
  && { echo "the commands left the game's database as it was" >&2; exit 1; }
[ -f "$work/linux/out/CUSTOM.DB" ] || { echo "nothing was exported" >&2; exit 1; }

# A backup's folder, and the kept leagues' beside it, are named after the game folder's full
# path, which differs between the two copies (and is spelled "Z:\..." under Wine); what is in
# them must not.
for side in linux windows; do
  for kind in BACKUP LEAGUES; do
    folders=("$work/$side/$data/$kind"/*-*)
    [ "${#folders[@]}" -eq 1 ] && [ -d "${folders[0]}" ] || { echo "no single $kind folder on $side" >&2; exit 1; }
    mv "${folders[0]}" "$work/$side/$data/$kind/game-PATH"
  done
done

# The backup's manifest says when it was taken, to the second, and ends with a checksum
# over that: those two lines may differ (in value, not in form); every other line not.
for side in linux windows; do
  manifest="$work/$side/$data/BACKUP/game-PATH/MANIFEST.TXT"
  [ -f "$manifest" ] || { echo "no backup manifest on $side" >&2; exit 1; }
  grep -Eq $'^taken\t[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}$' "$manifest" \
    || { echo "$side: the manifest's time is not written as on the other system" >&2; exit 1; }
  grep -Ev $'^(taken|end)\t' "$manifest" >"$manifest.rest" && mv "$manifest.rest" "$manifest"
done

# The backup notes the game folder's full path, which differs as the folders' names do: it
# must name this game folder, and its manifest line differs only in size and checksum.
# The kept leagues carry a random key each (so that two programs keeping at once can tell
# their leagues apart): the dump above compared what they hold.
for side in linux windows; do
  note="$work/$side/$data/BACKUP/game-PATH/GAMEFOLDER.TXT"
  grep -q "/$game\$" "$note" || { echo "$side: the backup's note does not name the game folder" >&2; exit 1; }
  rm "$note"
  manifest="$work/$side/$data/BACKUP/game-PATH/MANIFEST.TXT"
  grep -Ev $'^file\tGAMEFOLDER.TXT\t' "$manifest" >"$manifest.rest" && mv "$manifest.rest" "$manifest"
  kept="$work/$side/$data/LEAGUES/game-PATH/KEPT.OBK"
  [ -f "$kept" ] || { echo "$side: no kept leagues" >&2; exit 1; }
  rm "$kept"
done

if diff -r "$work/linux" "$work/windows" >"$work/diff.txt"; then
  echo "same bytes: $(find "$work/linux" -type f | wc -l) files"
else
  cat "$work/diff.txt" >&2
  exit 1
fi
