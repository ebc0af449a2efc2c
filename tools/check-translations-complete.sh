#!/usr/bin/env bash
# Fails when a translation file leaves a text untranslated: a <translation> marked
# unfinished, or empty (a numerus form included). Obsolete and vanished entries do not
# count: lupdate -no-obsolete drops them, and they are shown nowhere.
#
#   tools/check-translations-complete.sh [FILE.ts...]    (default: translations/obrix_*.ts)
#   tools/check-translations-complete.sh --lupdate PATH  (the files as lupdate would leave them)
#
# With --lupdate, copies of the language files are first brought up to date from the
# sources, as the build's update_translations does: a text new in the code and missing from
# the files counts as untranslated too.
#
# Prints each unfinished text as FILE: CONTEXT: "SOURCE" and a count per file; exits 1 when
# anything is listed, 0 when every file is complete.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
files=()
if [ "${1:-}" = "--lupdate" ]; then
  lupdate=$2
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  cp "$root"/translations/obrix_*.ts "$scratch"/
  find "$root/src/gui" "$root/src/core" -name '*.cpp' -o -name '*.h' | sort > "$scratch/sources.txt"
  "$lupdate" -silent -no-obsolete -locations none -I "$root/src/gui" -I "$root/src/core" \
    @"$scratch/sources.txt" -ts "$scratch"/obrix_*.ts
  files=("$scratch"/obrix_*.ts)
else
  files=("$@")
fi
if [ ${#files[@]} -eq 0 ]; then
  files=("$root"/translations/obrix_*.ts)
fi
[ -e "${files[0]}" ] || { echo "no .ts files found" >&2; exit 1; }

perl -e '
  use strict; use warnings;
  my $bad = 0;
  for my $file (@ARGV) {
    open(my $f, "<:encoding(UTF-8)", $file) or die "$file: $!\n";
    local $/; my $ts = <$f>; close $f;
    my $missing = 0;
    while ($ts =~ m{<context>\s*<name>(.*?)</name>(.*?)</context>}gs) {
      my ($context, $body) = ($1, $2);
      while ($body =~ m{<message\b[^>]*>(.*?)</message>}gs) {
        my $message = $1;
        my ($source) = $message =~ m{<source>(.*?)</source>}s;
        my ($attrs, $translation) = $message =~ m{<translation\b([^>]*?)(?:/>|>(.*?)</translation>)}s;
        $attrs //= ""; $translation //= "";
        next if $attrs =~ /type="(?:obsolete|vanished)"/;
        my $empty = $translation =~ /<numerusform/
                  ? scalar(grep { /^\s*$/ } $translation =~ m{<numerusform[^>]*>(.*?)</numerusform>}gs)
                  : $translation =~ /^\s*$/;
        next unless $attrs =~ /type="unfinished"/ || $empty;
        $missing++;
        binmode(STDOUT, ":encoding(UTF-8)");
        print "$file: $context: \"$source\"\n";
      }
    }
    printf "%s: %d unfinished\n", $file, $missing if $missing;
    $bad += $missing;
  }
  exit($bad ? 1 : 0);
' "${files[@]}"
