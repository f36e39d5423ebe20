#!/bin/bash
# The installed command, <prefix>/bin/prjmigr: runs the program installed in
# <prefix>/libexec/prjmigr and, when KELMARDIR is unset or empty, points it at
# this installation's catalogues, <prefix>/share/prjmigr/lib/locale. A value
# the user gives is kept.
prefix=$(readlink -f -- "$0") && prefix=${prefix%/bin/*}
export KELMARDIR="${KELMARDIR:-$prefix/share/prjmigr}"
# The usage line names the command as it was called (bash for exec -a): a call
# through PATH gives this script its full path, so the bare name is passed on.
name=$0
[ "$(command -v -- "${0##*/}")" = "$0" ] && name=${0##*/}
exec -a "$name" "$prefix/libexec/prjmigr/prjmigr" "$@"
