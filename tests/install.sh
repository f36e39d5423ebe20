#!/bin/sh
# install.sh CMAKE BUILD_DIR SOURCE_DIR VERSION: cmake --install into a fresh prefix,
# the installed command run without KELMARDIR, and the manual page linted.
set -eu
cmake=$1 build=$2 source=$3 version=$4 page=$3/doc/prjmigr.1
tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT && cd "$tmp"
fail() { echo "install.sh: $*" >&2; exit 1; }
unset LANGUAGE LANG LC_MESSAGES DESTDIR KELMARDIR
export NEVRAHOME=/opt/nevra LC_ALL=C.UTF-8
"$cmake" --install "$build" --prefix prefix >/dev/null
layout=$(cd prefix && find . | LC_ALL=C sort | xargs)
[ "$layout" = ". ./bin ./bin/prjmigr ./libexec ./libexec/prjmigr ./libexec/prjmigr/prjmigr ./share ./share/doc ./share/doc/prjmigr ./share/doc/prjmigr/changelog.gz ./share/doc/prjmigr/copyright ./share/man ./share/man/man1 ./share/man/man1/prjmigr.1.gz ./share/prjmigr ./share/prjmigr/lib ./share/prjmigr/lib/locale ./share/prjmigr/lib/locale/duvaident_fr.qm ./share/prjmigr/lib/locale/prjmigr_fr.qm" ] || fail "installed: $layout"
[ -x prefix/bin/prjmigr ] && gzip -dc prefix/share/man/man1/prjmigr.1.gz | cmp "$page" - || fail "tool or manual page"
for qm in prjmigr_fr.qm duvaident_fr.qm; do cmp "$build/lib/locale/$qm" "prefix/share/prjmigr/lib/locale/$qm"; done
# The usage line names the command as it was called; a KELMARDIR given is kept.
ln -s prefix/bin/prjmigr conv && code=0 && KELMARDIR=/nowhere ./conv 2>err || code=$?; [ $code = 1 ] || fail "exit code $code"
printf "(E) Fatal Error: directory doesn't exist '/nowhere/lib/locale'\n" | cmp - err
code=0 && ./conv 2>err || code=$?; [ $code = 255 ] || fail "exit code $code"
printf '(E) Usage: ./conv [-o <projectfile>] ( <prj_filename> | <cmp_filename> | <ses_filename> ) * \n' | cmp - err
# The demo, converted by the installed tool, in English then in French.
cp -R "$source/examples/demo" demo && cd demo && find . >../before
../prefix/bin/prjmigr demo.prj all.cmp smoke.ses >../streams 2>&1 && [ ! -s ../streams ] || fail "$(cat ../streams)"
(cat ../before && echo ./demo.rtp && echo ./demo.inf) | LC_ALL=C sort >../expected
find . | LC_ALL=C sort | cmp - ../expected
for file in demo.rtp demo.inf; do cmp "$source/tests/golden/demo/expected/$file" $file; done
KELMARDIR= LC_ALL=fr_FR.UTF-8 ../prefix/bin/prjmigr -v -o again.rtp demo.prj >../out 2>&1
printf 'prjmigr Convertisseur du gestionnaire de tests %s\nCopyright (C) 2026 Les auteurs de prjmigr\nAnalyse de demo.prj\nTerminé.\n' "$version" | cmp - ../out
# The manual page: clean for every linter installed (one at least), every section and option.
linters=0
for lint in "mandoc -T lint" "groff -ww -man -z"; do
  command -v "${lint%% *}" >/dev/null || continue
  out=$($lint "$page" 2>&1) && [ -z "$out" ] || fail "$lint: $out"
  linters=$((linters + 1))
done
[ $linters -gt 0 ] || fail "neither mandoc nor groff is installed"
for line in NAME SYNOPSIS OPTIONS ENVIRONMENT FILES '"EXIT STATUS"' EXAMPLES; do grep -qxF ".SH $line" "$page" || fail "no .SH $line"; done
for word in '\-o' '\-v' '\-\-help' '\-\-version' KELMARDIR NEVRAHOME lib/locale; do grep -qF -- "$word" "$page" || fail "no $word"; done
synopsis=$(sed -n '/^\.SH SYNOPSIS/,/^\.SH/p' "$page")
for operand in projectfile prj_filename cmp_filename ses_filename; do
  case $synopsis in *"$operand"*) ;; *) fail "the synopsis does not name $operand" ;; esac; done
