#!/bin/sh
# Usage: terminal.sh PRJMIGR
# The error stream on a pseudo-terminal (script). --color=auto colours when TERM
# is set and not "dumb" and NO_COLOR is unset or empty; never with
# --color=never, nor when the error stream is redirected to a file. A batch
# rewrites its status line in place there, and clears it before its summary;
# elsewhere it shows none.
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
for project in a b c; do
  mkdir -p "fleet/$project" && printf '$$$IHM NEVRA$$$PROJET\nNC N\n' >"fleet/$project/p.prj"
done
printf '$$$IHM NEVRA$$$SESSION\nZZ x\n' >fleet/b/s.ses
TERM=xterm KELMARDIR=kelmar script -qec "'$tool' --batch --check --jobs=2 fleet" /dev/null >pty || true
status=$(printf '\r[3/3] 2 checked, 1 with reports, 0 failed\033[K\r\033[KProjects: 3;')
tr -d '\n' <pty | grep -qF "$status" || { echo "no status line before the summary:"; cat -v pty; exit 1; }
TERM=xterm KELMARDIR=kelmar "$tool" --batch --check fleet 2>err >out || true
! grep -q '\[' err && grep -q '^Projects: 3;' out
