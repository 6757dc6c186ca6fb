#!/usr/bin/env bash
# as_ordinary_user.sh PROGRAM [ARGUMENTS...]: runs a test program as an ordinary user. As root
# the browser engine runs without its sandbox; as an ordinary user it runs with it on.
# Exits 77 (skipped) where this machine has no such run to offer.
set -euo pipefail
readonly skipped=77 user=nobody

if [ "$(id -u)" -ne 0 ]; then
    echo "Already an ordinary user: every engine test runs with the sandbox on."
    exit $skipped
fi
if ! id "$user" >/dev/null 2>&1; then
    echo "There is no user $user to run as."
    exit $skipped
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
chown "$user" "$home"
as_user=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups
    env -i HOME="$home" XDG_RUNTIME_DIR="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen)
if ! "${as_user[@]}" test -x "$1"; then
    echo "$user cannot run $1 where it is built."
    exit $skipped
fi
# The engine's sandbox needs user namespaces.
if ! "${as_user[@]}" unshare --user true 2>/dev/null; then
    echo "This machine gives $user no user namespaces: the engine's sandbox cannot start."
    exit $skipped
fi
exec "${as_user[@]}" "$@"
