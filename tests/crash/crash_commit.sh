#!/usr/bin/env bash
# Kills obrix-cli at every file system call of a save (after a global modification),
# restore, backup and export, and
# fails each of those calls with an injected error, then checks after the next load
# that the files are all old or all new, that nothing is left beside them, and that the
# next run of the same command gives the right files.
#
# usage: tests/crash/crash_commit.sh OBRIX-CLI [WORK-FOLDER]
#   OPS="save restore backup export"  the commands to attack
#   MODES="kill error"                killed at the call, or the call failing
#   RUNNER=cmake/wine-run.sh          OBRIX-CLI is the Windows obrix-cli.exe, run under Wine
#   POINT_STEP=N                      only every N-th point (a quicker, thinner run)
set -u
cli_in=$(realpath "$1")
runner=${RUNNER:+$(realpath "$RUNNER")}
step=${POINT_STEP:-1}
work=${2:-$(mktemp -d)}
ops=${OPS:-save restore backup export}
modes=${MODES:-kill error}
calls=(openat write fsync link rename unlink)
declare -A errorFor=([openat]=EIO [write]=ENOSPC [fsync]=EIO [link]=EIO [rename]=EIO [unlink]=EIO)
command -v strace >/dev/null || { echo "crash_commit: strace is not installed (tools/install-deps.sh)"; exit 1; }

rm -rf "$work" && mkdir -p "$work/bin" "$work/tmp"
# A copy without the packer program beside it packs in its own process, so every call
# of the export is a call of this one process.
cp "$cli_in" "$work/bin/obrix-cli${runner:+.exe}"
cli="$work/bin/obrix-cli${runner:+.exe}"
export TMPDIR="$work/tmp" ASAN_OPTIONS=detect_leaks=0 PATH=/usr/bin:/bin
cd "$work" || exit 1
# Under Wine, the file calls of a Windows program are made partly by the program (opening,
# writing, flushing) and partly by the Wine server (renames, links, removals). The server
# is one of the script's own, kept running, and a second strace attached to it injects the
# same as the one following the program (-f): a kill or error at the server's call stops
# the program as surely as one at its own. A call's number counts in each process from the
# moment it is traced, so a point is "the N-th call of that kind in whichever process gets
# there first".
follow=()
cmd=("$cli")
cli() { "$cli" "$@"; }
attach_server() { :; }
detach_server() { :; }
if [ -n "$runner" ]; then
  wineserver=/usr/lib/wine/wineserver64
  export WINEPREFIX=${WINEPREFIX:-$work/wineprefix}
  follow=(-f)
  cmd=("$runner" "$cli")
  # A program left waiting by a Wine server that an injected error confused is stopped.
  cli() { timeout -s KILL 120 "$runner" "$cli" "$@"; }
  server_pid='' server_strace=''
  # Ours, in the foreground of a background job so that its pid is known, and persistent.
  # What a killed server leaves: its clients (the prefix's services, a program waiting on
  # it) never hear of it and would wait for ever. Only this script uses its prefix.
  reap_orphans() {
    local p
    for p in $(pgrep -f '\.exe' || true); do
      [ "$p" = "$server_pid" ] && continue
      { tr '\0' '\n' <"/proc/$p/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && kill -9 "$p" 2>/dev/null
    done
    true
  }
  attach_server() { # TRACE-FILE STRACE-OPTIONS...
    local out=$1; shift
    if [ -z "$server_pid" ] || ! kill -0 "$server_pid" 2>/dev/null; then
      reap_orphans
      "$wineserver" -k 2>/dev/null
      "$wineserver" -f -p >/dev/null 2>&1 &
      server_pid=$!
      disown "$server_pid"  # its end, killed or not, is no news
      sleep 1
      "$runner" cmd /c exit >/dev/null 2>&1  # its services started before anything is traced
    fi
    strace -f -qq -o "$out" "$@" -p "$server_pid" 2>/dev/null &
    server_strace=$!
    sleep 0.3
  }
  detach_server() {
    kill -INT "$server_strace" 2>/dev/null
    wait "$server_strace" 2>/dev/null
    true
  }
  trap '[ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; sleep 1; reap_orphans' EXIT
fi

fe=DATA/CMN/FE
cli sample tpl/clean >/dev/null || exit 1
# The edited game: the same files with bytes after their end that a save drops, so that
# a save changes all three files.
cp -a tpl/clean tpl/edited
for f in FCDB.DBI FCDB_ENG.DBI FCDBPENG.DBI; do printf 'EDITEDxx' >>"tpl/edited/$fe/$f"; done

sums() { # folder files...
  local d=$1; shift
  for f in "$@"; do if [ -f "$d/$f" ]; then sha256sum <"$d/$f" | cut -c1-16; else echo none; fi; done | paste -sd' '
}
game_files=(FCDB.DBI FCDB_ENG.DBI FCDBPENG.DBI)
export_files=(CUSTOM.DB CUSPLYR.DB XFER.DB)
backup_folder() { echo "$work/w/data/BACKUP/$(ls "$work/w/data/BACKUP" | head -1)"; }

# Each command: prepare the folder as it is before the command, the command itself,
# the folder whose files it replaces, and those files.
prepare() {
  rm -rf "$work/w" && mkdir -p "$work/w"
  case $1 in
    save) cp -a tpl/edited w/game && cli backup w/game --data-folder w/data >/dev/null ;;
    restore) cp -a tpl/clean w/game && cli backup w/game --data-folder w/data >/dev/null &&
             cp tpl/edited/$fe/* w/game/$fe/ ;;
    backup) cp -a tpl/clean w/game && cli backup w/game --data-folder w/data >/dev/null &&
            cp tpl/edited/$fe/* w/game/$fe/ ;;
    export) cp -a tpl/clean w/game && cli export w/game --league 1 w/out >/dev/null ;;
  esac
}
args() {
  case $1 in
    save) echo global-mod w/game --amount 5 --groups gk,def,mid,fwd --skills all --data-folder w/data ;;
    restore) echo restore w/game --data-folder w/data ;;
    backup) echo backup w/game --data-folder w/data ;;
    export) echo export w/game --league 0 w/out ;;
  esac
}
run() { cli $(args "$1"); }
# What the user does next: the same command again, but after a global modification a
# plain save (a second modification would change the players once more).
again() { case $1 in save) cli save w/game --data-folder w/data ;; *) run "$1" ;; esac; }
target() {
  case $1 in
    save | restore) echo "$work/w/game/$fe" ;;
    backup) backup_folder ;;
    export) echo "$work/w/out" ;;
  esac
}
files() { case $1 in export) echo "${export_files[@]}" ;; *) echo "${game_files[@]}" ;; esac; }
# The next load: what the editor does on its next start or import.
next_load() {
  case $1 in
    save | restore) cli info w/game >/dev/null ;;
    backup) cli recover "$(backup_folder)" ;;
    export) cli recover w/out ;;
  esac
}
leftovers() { find "$1" \( -name '*.obrix-*' -o -name OBRIX-COMMIT.TXT \) | head -3; }

total_tried=0 total_old=0 total_new=0 total_mixed=0 total_bad=0
for op in $ops; do
  # Before and after: the files as they are, and as one clean run leaves them.
  prepare "$op" || { echo "crash_commit: cannot prepare $op"; exit 1; }
  old=$(sums "$(target "$op")" $(files "$op"))
  run "$op" >/dev/null 2>&1 || { echo "crash_commit: $op fails without any injection"; exit 1; }
  new=$(sums "$(target "$op")" $(files "$op"))
  [ "$old" != "$new" ] || { echo "crash_commit: $op changes nothing to check"; exit 1; }
  prepare "$op" && again "$op" >/dev/null 2>&1
  againOld=$(sums "$(target "$op")" $(files "$op"))
  prepare "$op" && run "$op" >/dev/null 2>&1 && again "$op" >/dev/null 2>&1
  againNew=$(sums "$(target "$op")" $(files "$op"))

  # Every call of each kind that touches the work folder, by its number among the
  # calls of that kind (the numbering strace's when= uses).
  prepare "$op"
  : >"$work/trace.server"
  attach_server "$work/trace.server" -y -e trace="$(IFS=,; echo "${calls[*]}")"
  strace "${follow[@]}" -y -qq -e trace="$(IFS=,; echo "${calls[*]}")" -o "$work/trace" "${cmd[@]}" $(args "$op") >/dev/null 2>&1
  detach_server
  points=()
  for c in "${calls[@]}"; do
    if [ -n "$runner" ]; then
      # "PID call(...": numbered in each process, each number once.
      mapfile -t found < <(awk -v c="$c" -v w="$work/w/" '
        $2 ~ "^" c "\\(" { n[$1]++; if (index($0, w)) print n[$1] }' "$work/trace" "$work/trace.server" | sort -nu)
      for n in "${found[@]}"; do points+=("$c:$n"); done
      continue
    fi
    n=0
    while read -r line; do
      n=$((n + 1))
      case $line in *"$work/w/"* | *'"w/'*) points+=("$c:$n") ;; esac
    done < <(grep -E "^$c\(" "$work/trace")
  done
  if [ "$step" -gt 1 ]; then
    thinned=()
    for i in "${!points[@]}"; do [ $((i % step)) -eq 0 ] && thinned+=("${points[$i]}"); done
    points=("${thinned[@]}")
  fi
  for mode in $modes; do
    tried=0 nold=0 nnew=0 nmixed=0 nbad=0
    for p in "${points[@]}"; do
      c=${p%%:*} n=${p##*:}
      prepare "$op"
      if [ "$mode" = kill ]; then inject="$c:signal=KILL:when=$n"; else inject="$c:error=${errorFor[$c]}:when=$n"; fi
      attach_server /dev/null -e trace="$c" -e inject="$inject"
      # A program whose Wine server was killed under it may wait for ever: it counts as killed.
      { timeout -s KILL 120 strace "${follow[@]}" -qq -o /dev/null -e trace="$c" -e inject="$inject" "${cmd[@]}" $(args "$op") >/dev/null 2>&1; } 2>/dev/null
      detach_server
      # After an injection the server may be dead or confused: the next steps get a new one.
      if [ -n "$runner" ]; then kill -9 "$server_pid" 2>/dev/null; sleep 0.5; reap_orphans; fi
      tried=$((tried + 1))
      next_load "$op" >/dev/null 2>&1
      state=$(sums "$(target "$op")" $(files "$op"))
      left=$(leftovers "$(target "$op")")
      expected=$againNew
      if [ "$state" = "$old" ]; then nold=$((nold + 1)) expected=$againOld
      elif [ "$state" = "$new" ]; then nnew=$((nnew + 1))
      else
        nmixed=$((nmixed + 1)); echo "MIXED: $op $mode at $c #$n: $state (the folders are kept in $work/mixed-$op-$mode-$c-$n)"
        cp -a "$work/w" "$work/mixed-$op-$mode-$c-$n"
      fi
      # The next run after the load gives the right files and leaves nothing behind.
      again "$op" >/dev/null 2>&1
      if [ -n "$left" ] || [ "$(sums "$(target "$op")" $(files "$op"))" != "$expected" ] || [ -n "$(leftovers "$(target "$op")")" ]; then
        nbad=$((nbad + 1)); echo "BAD: $op $mode at $c #$n: left behind [$left] or the next run is wrong"
      fi
    done
    printf '%-8s %-5s %4d points tried: %4d all old, %4d all new, %d mixed, %d left behind or wrong next run\n' \
      "$op" "$mode" "$tried" "$nold" "$nnew" "$nmixed" "$nbad"
    total_tried=$((total_tried + tried)) total_old=$((total_old + nold)) total_new=$((total_new + nnew))
    total_mixed=$((total_mixed + nmixed)) total_bad=$((total_bad + nbad))
  done
done
echo "total: $total_tried points tried, $total_old all old, $total_new all new, $total_mixed mixed, $total_bad left behind or wrong next run"
[ "$total_mixed" -eq 0 ] && [ "$total_bad" -eq 0 ]
