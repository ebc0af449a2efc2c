#!/usr/bin/env bash
# Lists the texts a person would read that bypass the translation, in the window's sources
# (src/gui): string literals, QStringLiteral, QLatin1String and QString::fromLatin1 of a
# literal passed to setText, setWindowTitle, addAction, addMenu, setToolTip, QMessageBox,
# new QLabel(...) and the like; and catalogue constants (kName, texts::kName) made a QString
# with fromLatin1/fromUtf8/QLatin1String or handed to a prompt without being looked up.
# Texts passed through tr(), QCoreApplication::translate or catalogueText() are not listed.
#
#   tools/check-ui-texts.sh [--summary] [DIR...]     (default DIR: src/gui)
#
# Not a person's text (an object name, a settings key, the program's own name): either put
# "// ui-text: none" at the end of the line, or add the literal to tools/ui-texts-allowed.txt
# (one a line, exactly as written between the quotes, or a constant's name as written; "path-glob<TAB>text" limits it to files
# matching the glob; lines starting with # are comments).
# Exits 1 when anything is listed, 0 when nothing is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
summary=0
if [ "${1:-}" = "--summary" ]; then summary=1; shift; fi
dirs=("$@")
[ ${#dirs[@]} -gt 0 ] || dirs=(src/gui)

cd "$root"
hits=$(find "${dirs[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | sort |
  ALLOWED="$root/tools/ui-texts-allowed.txt" perl -e '
    use strict; use warnings;
    my @allowed;   # [glob-regex or undef, text]
    if (open(my $a, "<", $ENV{ALLOWED})) {
      while (my $l = <$a>) {
        chomp $l; next if $l =~ /^\s*(#|$)/;
        my ($glob, $text) = $l =~ /\t/ ? split(/\t/, $l, 2) : (undef, $l);
        my $re;
        if (defined $glob) { $re = quotemeta($glob); $re =~ s/\\\*/.*/g; $re =~ s/\\\?/./g; }
        push @allowed, [$re, $text];
      }
    }
    # The calls whose text a person reads. A literal is a plain "..." (u8/u prefixes too),
    # QStringLiteral("..."), QLatin1String("..."), QLatin1StringView or QString::fromLatin1/Utf8("...").
    my $calls = qr/(?:setText|setWindowTitle|setWindowIconText|addAction|addMenu|setTitle|setToolTip|setStatusTip|
                      setWhatsThis|setPlaceholderText|setHeaderLabels?|setHorizontalHeaderLabels|setVerticalHeaderLabels|
                      setLabelText|setInformativeText|setDetailedText|setItemText|setTabText|addTab|insertTab|addItem|addItems|
                      setSpecialValueText|setSuffix|setPrefix|setAccessibleName|showMessage|
                      QMessageBox::(?:information|warning|critical|question|about)|QMessageBox|
                      QLabel|QPushButton|QToolButton|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu|QDockWidget|
                      addButton|setButtonText|getText|getItem|getInt|getExistingDirectory|getOpenFileName|getSaveFileName)/x;
    my $literal = qr/(?:QStringLiteral|QLatin1String(?:View)?|QString::fromLatin1|QString::fromUtf8|QLatin1StringView)?\s*\(?\s*(?:u8|u|L)?"((?:[^"\\\n]|\\.)*)"/;
    while (my $file = <STDIN>) {
      chomp $file;
      open(my $f, "<", $file) or next;
      local $/; my $src = <$f>; close $f;
      my @lines = split /\n/, $src, -1;
      # Comments out, keeping line breaks and positions.
      (my $code = $src) =~ s{//[^\n]*|/\*.*?\*/}{ my $c = $&; $c =~ s/[^\n]/ /g; $c }gse;
      # The first literal argument of each call, possibly after other arguments (a parent, an icon).
      while ($code =~ /\b($calls)\s*\(/g) {
        my ($call, $start) = ($1, pos($code));
        # The argument list up to its closing bracket, at most a few lines.
        my $depth = 1; my $i = $start; my $n = length $code; my $inStr = 0;
        while ($i < $n && $depth > 0 && $i - $start < 600) {
          my $ch = substr($code, $i, 1);
          if ($inStr) { if ($ch eq "\\") { $i++ } elsif ($ch eq "\"") { $inStr = 0 } }
          elsif ($ch eq "\"") { $inStr = 1 }
          elsif ($ch eq "(") { $depth++ } elsif ($ch eq ")") { $depth-- }
          $i++;
        }
        my $args = substr($code, $start, $i - $start - 1);
        # tr(), translate() and QT_TR*_NOOP keep their literals for the translation; appIcon() takes the name
        # of a picture.
        (my $plain = $args) =~ s/\b(?:tr|translate|QT_TR_NOOP|QT_TRANSLATE_NOOP|QT_TRANSLATE_N_NOOP|qtTrId|catalogueText|catalogueUtf8|appIcon)\s*\((?:[^()]|\((?:[^()]|\([^()]*\))*\))*\)//g;
        while ($plain =~ /$literal/g) {
          my $text = $1;
          next if $text eq "" || $text !~ /[A-Za-z]/;          # no letters: a separator, a number
          my $offset = $start + index($args, "\"$text\"");
          my $line = 1 + (() = substr($src, 0, $offset) =~ /\n/g);
          next if $lines[$line - 1] =~ m{//\s*ui-text:\s*none};
          next if grep { (!defined $_->[0] || $file =~ /^$_->[0]$/) && $_->[1] eq $text } @allowed;
          print "$file:$line: $call: \"$text\"\n";
        }
      }
      # A catalogue constant made a QString, or handed to a prompt, without a lookup: a text
      # marked for translation (or meant to be) shown as it is.
      my $constant = qr/(?:\w+::)?k[A-Z]\w*/;
      while ($code =~ /\b(QString::fromLatin1|QString::fromUtf8|QLatin1String|message|askYesNo|askYesNoCancel|askChoice)\s*\(\s*($constant)\s*[,)]/g) {
        my ($call, $name) = ($1, $2);
        my $line = 1 + (() = substr($src, 0, pos($code)) =~ /\n/g);
        next if $lines[$line - 1] =~ m{//\s*ui-text:\s*none};
        next if grep { (!defined $_->[0] || $file =~ /^$_->[0]$/) && $_->[1] eq $name } @allowed;
        print "$file:$line: $call: $name\n";
      }
    }')
if [ "$summary" = 1 ]; then
  if [ -n "$hits" ]; then
    printf '%s\n' "$hits" | sed -E 's#^(src/gui/[^/]+)/.*#\1#' | sort | uniq -c
  fi
  printf '%s\n' "$hits" | grep -c . || true
else
  [ -z "$hits" ] || printf '%s\n' "$hits"
fi
[ -z "$hits" ]
