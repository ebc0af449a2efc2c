#!/usr/bin/env bash
# Builds the editor and starts it: on the Golvar folder it finds by itself, or else on a
# sample game kept in the per-user data folder. Arguments are passed on to obrix
# (for example --game-folder DIR).
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh

cmake --preset release -DOBRIX_BUILD_GUI=ON >/dev/null
cmake --build --preset release --target obrix obrix-cli

cli=build/release/tools/obrix-cli/obrix-cli
obrix=build/release/src/gui/obrix

if "$cli" locate >/dev/null 2>&1; then
  exec "$obrix" "$@"
fi

# The same folder the editor keeps its backups and kit pictures in.
data="${XDG_DATA_HOME:-$HOME/.local/share}"
[[ "$data" == /* ]] || data="$HOME/.local/share"
sample="$data/Brannoc/Obrix/SampleGame"
if [ ! -f "$sample/DATA/CMN/FE/FCDB.DBI" ]; then
  echo "No Golvar folder is set up; making a sample game in $sample"
  mkdir -p "$sample"
  "$cli" sample "$sample" --scale small
fi
exec "$obrix" --game-folder "$sample" "$@"
