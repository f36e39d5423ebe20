#!/bin/sh
# Usage: colour_terminal.sh PRJMIGR
# --color=auto with the error stream on a pseudo-terminal (script): colours when
# TERM is set and not "dumb" and NO_COLOR is unset or empty; never with
# --color=never, nor when the error stream is redirected to a file.
set -eu
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
mkdir -p kelmar/lib/locale
printf '$$$IHM NEVRA$$$PROJET\nNC Debug\nLA C\nLA C\n' >p.prj
coloured=$(printf '\033[1mp.prj:4:\033[0m \033[1;35mwarning:\033[0m LA given again')
# on_terminal EXPECTED OPTIONS ENV...: whether the diagnostic comes coloured.
on_terminal() {
  want=$1 option=$2; shift 2
  got=no
  env "$@" KELMARDIR=kelmar NEVRAHOME=/opt/nevra script -qec "'$tool' --warnings $option p.prj" /dev/null | grep -qF "$coloured" && got=yes
  [ "$got" = "$want" ] || { echo "coloured: $got, expected $want, with $* $option"; exit 1; }
}
on_terminal yes '' TERM=xterm
on_terminal yes '' TERM=xterm NO_COLOR=
on_terminal no '' TERM=xterm NO_COLOR=1
on_terminal no '' TERM=dumb
on_terminal no '' -u TERM
on_terminal no --color=never TERM=xterm
on_terminal no 2\>err TERM=xterm
grep -q 'p.prj:4: warning: LA given again' err && ! grep -q "$(printf '\033')" err
