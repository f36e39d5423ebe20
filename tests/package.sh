#!/bin/sh
# package.sh CPACK BUILD_DIR SOURCE_DIR, as root, one run at a time: the Debian package built, lintian-clean,
# installed (its manual page even where an image excludes them), run from env -i, removed leaving nothing.
set -eu
[ "$(id -u)" = 0 ] || { echo "package.sh: skipped, installing a package needs root"; exit 77; }
exec 9>/tmp/prjmigr-package-test.lock && flock 9
! dpkg -s prjmigr >/dev/null 2>&1 || { echo "package.sh: skipped, prjmigr is installed already"; exit 77; }
apt="apt-get -y -q -o DPkg::Lock::Timeout=300"
tmp=$(mktemp -d) && chmod 755 "$tmp" && trap '$apt remove prjmigr >/dev/null 2>&1 || :; rm -rf "$tmp"' EXIT
fail() { echo "package.sh: $*" >&2; exit 1; }
"$1" --config "$2/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/log" 2>&1 || fail "$(cat "$tmp/log")"
deb=$(echo "$tmp"/prjmigr_*.deb) && lintian --fail-on error "$deb" >"$tmp/log" 2>&1 || fail "$(cat "$tmp/log")"
$apt -o DPkg::Options::=--path-include=/usr/share/man/man1/prjmigr.1.gz install "$deb" >"$tmp/log" 2>&1 || fail "$(cat "$tmp/log")"
cp -R "$3/examples/demo" "$tmp/demo" && cd "$tmp/demo"
env -i PATH=/usr/bin:/bin NEVRAHOME=/opt/nevra prjmigr demo.prj all.cmp smoke.ses || fail "the installed command failed"
for file in demo.rtp demo.inf; do cmp "$3/tests/golden/demo/expected/$file" $file; done
[ "$(env -i PATH=/usr/bin:/bin man -w prjmigr)" = /usr/share/man/man1/prjmigr.1.gz ] || fail "man -w prjmigr"
dpkg -L prjmigr >"$tmp/owned" && $apt remove prjmigr >"$tmp/log" 2>&1 || fail "$(cat "$tmp/log")"
! grep -i -e warning -e 'not removed' "$tmp/log" || fail "apt-get remove complained"
while read -r path; do
  [ ! -e "$path" ] || { [ -d "$path" ] && dpkg -S "$path" >/dev/null 2>&1; } || fail "left behind: $path"
done <"$tmp/owned"
