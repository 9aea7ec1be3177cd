#!/bin/sh
# Runs a test whose files must really be read-only. Root ignores file
# permissions, so when started as root the test runs as the user nobody (through
# setpriv), from a copy of the test program and of the application data that
# nobody can read. Usage: run-unprivileged.sh TEST-PROGRAM APPDATA-DIR
binary=$1
appdata=$2
# Not root, or no way to become nobody: the test runs as it is (as root it
# then says it is skipped).
if [ "$(id -u)" != 0 ] || ! setpriv --reuid=65534 --regid=65534 --clear-groups true >/dev/null 2>&1; then
    TALV_TEST_APPDATA="$appdata" exec "$binary"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$binary" "$work/test"
cp -R "$appdata" "$work/appdata"
mkdir "$work/home"
chmod -R a+rX "$work"
chown 65534:65534 "$work/home"
env -u XDG_RUNTIME_DIR HOME="$work/home" TMPDIR="$work/home" TALV_TEST_APPDATA="$work/appdata" \
    setpriv --reuid=65534 --regid=65534 --clear-groups "$work/test"
status=$?
exit $status
