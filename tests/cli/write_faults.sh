#!/usr/bin/env bash
# Writes that run out of room half way, made real: the command runs under a
# file-size limit, once with SIGXFSZ ignored (the write comes up short) and
# once with it in force (the process is killed mid-write). Either way the
# hosts file keeps the user's bytes, and no half file survives the next run.
set -u
cli=$1 probe=$2
source "$OMBRELA_ROOT/tools/wine-env"
user=${OMBRELA_TEST_USER:-$(id -un)}
etc=$WINEPREFIX/drive_c/windows/system32/drivers/etc
work=$(mktemp -d)
chmod 755 "$work"  # the test user copies from here
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
as_user() { if [ -n "$OMBRELA_TEST_USER" ]; then runuser -u "$user" -- "$@"; else "$@"; fi; }
saved_hosts=$work/saved-hosts
cp "$etc/hosts" "$saved_hosts" 2>/dev/null
trap 'as_user cp "$saved_hosts" "$etc/hosts"; rm -f "$etc/hosts.bak" "$etc"/hosts.~*.tmp "$etc"/hosts.bak.~*.tmp; rm -rf "$work"' EXIT

limit_kib=2048
# Just small enough for the backup to fit under the limit, and the blocked
# hosts file (the same bytes and the block after them) not.
head -c $((limit_kib * 2048)) /dev/urandom | tr -d '\000' | head -c $((limit_kib * 1024 - 1000)) > "$work/original"
printf '\r\n127.0.0.1 localhost' >> "$work/original"
as_wine_user "$OMBRELA_WINE" "$probe" block-text > "$work/block" 2>/dev/null

reset_files() {
  as_user cp "$work/original" "$etc/hosts"
  rm -f "$etc/hosts.bak" "$etc"/hosts.~*.tmp
}
temps() { ls "$etc" | grep -c '\.~.*\.tmp$'; }

# 1. The write comes up short: a failure, told, with nothing changed.
reset_files
(trap '' XFSZ; ulimit -f "$limit_kib"; as_wine_user "$OMBRELA_WINE" "$cli" block >"$work/out" 2>"$work/err")
code=$?
[ "$code" -eq 2 ] || fail "short write: exit code $code, not 2 ($(cat "$work/err"))"
cmp -s "$etc/hosts" "$work/original" || fail "short write: the hosts file changed"
cmp -s "$etc/hosts.bak" "$work/original" || fail "short write: the backup is not the original"
[ "$(temps)" -eq 0 ] || fail "short write: a temporary file was left"

# 2. Killed mid-write: the hosts file still holds the user's bytes.
reset_files
(ulimit -f "$limit_kib"; as_wine_user "$OMBRELA_WINE" "$cli" block >/dev/null 2>&1)
code=$?
[ "$code" -ne 0 ] || fail "killed write: the command claimed success"
cmp -s "$etc/hosts" "$work/original" || fail "killed write: the hosts file changed"
if [ -e "$etc/hosts.bak" ]; then
  cmp -s "$etc/hosts.bak" "$work/original" || fail "killed write: the backup is not the original"
fi
echo "killed write left $(temps) temporary file(s)"

# 3. The next block, without a limit, sweeps up and blocks as usual.
as_wine_user "$OMBRELA_WINE" "$cli" block >/dev/null 2>&1 || fail "block after the kill failed"
cat "$work/original" "$work/block" > "$work/blocked"
cmp -s "$etc/hosts" "$work/blocked" || fail "after the kill: hosts is not original + block"
cmp -s "$etc/hosts.bak" "$work/original" || fail "after the kill: the backup is not the original"
[ "$(temps)" -eq 0 ] || fail "after the kill: the temporary file is still there"

echo "write faults: $failures failures"
[ "$failures" -eq 0 ]
