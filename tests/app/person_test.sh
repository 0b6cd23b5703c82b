#!/usr/bin/env bash
# The built program driven only from outside, as a person would: real mouse
# clicks and key presses through the X server, the files checked byte for
# byte after each step, the status bar read through the window system.
set -u
exe=$1 probe=$2 shots=$3
source "$OMBRELA_ROOT/tools/wine-env"
mkdir -p "$shots"

user=${OMBRELA_TEST_USER:-$(id -un)}
etc=$WINEPREFIX/drive_c/windows/system32/drivers/etc
roaming=$WINEPREFIX/drive_c/users/$user/AppData/Roaming
site=$roaming/Macromedia/Flash\ Player/#SharedObjects/ABCD1234/static.youku.com
work=$(mktemp -d)
failures=0
# A program left running (a failed step) must not meet the next test.
trap 'pkill -u "$user" -f "$(basename "$exe")" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
gbk_hex() { printf '%s' "$1" | iconv -f UTF-8 -t GBK | xxd -p | tr -d '\n'; }
probe_raw() { as_wine_user "$OMBRELA_WINE" "$probe" "$@" 2>/dev/null; }
probe() { probe_raw "$@" | tr -d '\r'; }
field() { sed -n "s/^$1 //p" <<<"$2"; }
# Centre of a "name x y w h enabled" line.
centre() { awk -v n="$1" '$1 == n { print int($2 + $4 / 2), int($3 + $5 / 2) }' <<<"$2"; }
click_at() { xdotool mousemove --sync $1 $2 click 1; }
shot() { import -window root "$shots/$1.png" 2>/dev/null || true; }
as_user_write() { # path, then the bytes on stdin
  if [ -n "$OMBRELA_TEST_USER" ]; then runuser -u "$OMBRELA_TEST_USER" -- tee "$1" >/dev/null
  else tee "$1" >/dev/null; fi
}
wait_until() { # seconds, then a command
  local end=$((SECONDS + $1)); shift
  while [ "$SECONDS" -lt "$end" ]; do "$@" && return 0; sleep 0.1; done
  "$@"
}
# Up, and laid out: its text is there.
box_up() { local b; b=$(probe box); [ "$(field text "$b")" != "" ] && [ "$(field text "$b")" != - ]; }
box_gone() { [ "$(probe box | head -n1)" = nobox ]; }
status_is() { [ "$(field status0 "$(probe controls)")" = "$(gbk_hex "$1")" ]; }
same_file() { cmp -s "$1" "$2"; }

# The user's own files: a hosts file without the block, no backup, and the
# Flash Player folder of the guarded host with something in it.
printf '127.0.0.1 localhost\r\n10.1.2.3 nas # mine\r\n' > "$work/original"
as_user_write "$etc/hosts" < "$work/original"
rm -f "$etc/hosts.bak"
as_wine_user mkdir -p "$site/sub" "$roaming/Macromedia/Flash Player/#SharedObjects/ABCD1234/other.host"
echo data | as_user_write "$site/sub/settings.sol"
probe_raw block-text > "$work/block"
printf 'Mirgel QQ:Kalvireth' > "$work/guard"

as_wine_user "$OMBRELA_WINE" "$exe" &
program=$!

# 1. The information box comes up over the shown window; OK closes it.
wait_until 20 box_up || fail "no information box"
box=$(probe box)
[ "$(field caption "$box")" = "$(gbk_hex 'By:Quarnix Mirgel 目前支持的视频网站有:')" ] ||
  fail "information box caption"
[ "$(field text "$box")" = "$(probe_raw site-list | xxd -p | tr -d '\n')" ] || fail "information box text"
shot startup
click_at $(centre button1 "$box")
wait_until 5 box_gone || fail "information box did not close"
controls=$(probe controls)
[ "$(field status0 "$controls")" = "$(gbk_hex '未屏蔽广告｜未检测到备份')" ] || fail "start-up status"
[ "$(field status1 "$controls")" = "$(gbk_hex 'By:Mirgel QQ:Kalvireth')" ] || fail "author part"
[ "$(awk '$1 == "restore" { print $6 }' <<<"$controls")" = 0 ] || fail "restore usable without backup"

# 2. A click on the block button: backup, block and guard, and no box.
click_at $(centre block "$controls")
wait_until 10 status_is '已屏蔽广告｜已检测到备份' || fail "status after block"
same_file "$etc/hosts.bak" "$work/original" || fail "backup is not the original"
cat "$work/original" "$work/block" > "$work/blocked"
same_file "$etc/hosts" "$work/blocked" || fail "hosts is not original + block"
[ -f "$site" ] && same_file "$site" "$work/guard" || fail "guard file not in place"
[ -d "$roaming/Macromedia/Flash Player/#SharedObjects/ABCD1234/other.host" ] || fail "neighbour removed"
box_gone || fail "a box came up after the first block"
shot blocked

# 3. Alt+P asks whether to restore instead; No changes nothing.
xdotool key alt+p
wait_until 10 box_up || fail "Alt+P did not ask"
box=$(probe box)
[ "$(field caption "$box")" = "$(gbk_hex '信息')" ] || fail "question caption"
[ "$(field text "$box")" = "$(gbk_hex '已经屏蔽过广告.若需重新屏蔽,请先还原备份.是否还原备份?')" ] ||
  fail "question text"
shot question
click_at $(centre button7 "$box")
wait_until 5 box_gone || fail "question did not close on No"
same_file "$etc/hosts" "$work/blocked" || fail "No changed the hosts file"
same_file "$etc/hosts.bak" "$work/original" || fail "No changed the backup"

# 4. Tab moves the focus from one button to the other; Space presses the
#    restore button; Yes to the question deletes the backup.
focus_now() { field focus "$(probe controls)"; }
xdotool key Tab
sleep 0.3
first=$(focus_now)
xdotool key Tab
sleep 0.3
second=$(focus_now)
case "$first/$second" in
  block/restore | restore/block) ;;
  *) fail "Tab moved the focus from $first to $second" ;;
esac
[ "$second" = restore ] || { xdotool key Tab; sleep 0.3; }
[ "$(focus_now)" = restore ] || fail "the focus is not on the restore button"
xdotool key space
wait_until 10 box_up || fail "Space did not restore"
box=$(probe box)
[ "$(field caption "$box")" = "$(gbk_hex '还原完毕')" ] || fail "restore caption"
[ "$(field text "$box")" = "$(gbk_hex '是否删除备份?')" ] || fail "restore question"
same_file "$etc/hosts" "$work/original" || fail "restore did not bring the original back"
click_at $(centre button6 "$box")
wait_until 10 status_is '未屏蔽广告｜未检测到备份' || fail "status after restore"
[ -e "$etc/hosts.bak" ] && fail "Yes kept the backup"
same_file "$etc/hosts" "$work/original" || fail "hosts after restore"
shot restored

# 5. Alt+Z with no backup does nothing; Alt+F4 ends the program with code 0.
xdotool key alt+z
sleep 0.5
box_gone || fail "Alt+Z did something without a backup"
xdotool key alt+F4
wait_until 10 bash -c "! kill -0 $program 2>/dev/null" || fail "Alt+F4 did not end the program"
wait "$program"
code=$?
[ "$code" -eq 0 ] || fail "exit code $code"

echo "person: $failures failures"
[ "$failures" -eq 0 ]
