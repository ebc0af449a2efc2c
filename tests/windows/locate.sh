#!/usr/bin/env bash
# The Windows obrix-cli finds the game where its installer registered it: the key is written
# with Wine's reg.exe into the 32-bit view of HKEY_LOCAL_MACHINE, as a 32-bit installer
# writes it, and `obrix-cli locate` must print that folder. The key is removed afterwards.
# usage: locate.sh WINDOWS_CLI [RUNNER]   (RUNNER: cmake/wine-run.sh)
set -euo pipefail
cli=$(realpath "$1")
runner=$(realpath "${2:-$(dirname "$0")/../../cmake/wine-run.sh}")
key='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\golvar.exe'
folder='C:\Games\Golvar Demo'

cleanup() { "$runner" reg delete "$key" /f /reg:32 >/dev/null 2>&1 || true; }
trap cleanup EXIT

"$runner" reg add "$key" /v Path /t REG_SZ /d "$folder" /f /reg:32 >/dev/null
said=$("$runner" "$cli" locate 2>&1 | tr -d '\r') || true
if [ "$said" != "$folder" ]; then
  echo "locate printed: $said" >&2
  echo "expected:       $folder" >&2
  exit 1
fi
echo "locate found $said"
