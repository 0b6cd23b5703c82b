#!/usr/bin/env bash
# The guard meeting links, made on the Linux side: Wine cannot make Windows
# links, and a Unix symbolic link inside the prefix stands in for one. Each
# case plants a shared-object tree with its links, runs the matching Windows
# test (the program, and what Windows shows afterwards), then checks here that
# the precious content outside the profile is byte for byte the same, that
# nothing appeared where a dangling link points, and that every link is still
# the same link.
# Usage: link_cases.sh <flashguard_link_tests.exe>
set -u
exe=$1

user=${OMBRELA_TEST_USER:-$(id -un)}
drive_c=$WINEPREFIX/drive_c
macromedia=$drive_c/users/$user/AppData/Roaming/Macromedia
first_root="$macromedia/Flash Player/#SharedObjects"
second_root=$macromedia/FlashPlayer/#SharedObjects
player=$first_root/K7XQ2P9A
site=static.youku.com
precious=$drive_c/ombrela-precious
nowhere=$drive_c/ombrela-nowhere
reference=$(mktemp -d)
links=()
failed=()

clean() { rm -rf "$macromedia" "$precious" "$nowhere"; }
trap 'clean; rm -rf "$reference"' EXIT

put() { mkdir -p "$(dirname "$1")" && printf '%s' "$2" >"$1"; }
# Remembers each link as "path|target" for the check afterwards.
link() { mkdir -p "$(dirname "$2")" && ln -s "$1" "$2" && links+=("$2|$1"); }

# What the links lead to: a folder, a file, and trees shaped like each level
# of the shared-object storage, so that following a link finds work to do.
plant_precious() {
  put "$precious/folder/keep.txt" "precious folder content"
  put "$precious/folder/sub/deep.txt" "precious, one level down"
  put "$precious/file.txt" "precious file content"
  local data=$site/data.sol object="precious shared object"
  put "$precious/macromedia/Flash Player/#SharedObjects/K7XQ2P9A/$data" "$object"
  put "$precious/macromedia/FlashPlayer/#SharedObjects/$data" "$object"
  put "$precious/player-folder/#SharedObjects/K7XQ2P9A/$data" "$object"
  put "$precious/first-root/K7XQ2P9A/$data" "$object"
  put "$precious/player-level/$data" "$object"
  put "$precious/second-player-folder/#SharedObjects/$data" "$object"
  put "$precious/second-root/$data" "$object"
}

plain_first() { put "$player/$site/plain.sol" "plain"; }
plain_second() { put "$second_root/$site/plain.sol" "plain"; }

case_site_folder_is_folder_link() { link "$precious/folder" "$player/$site"; plain_second; }
case_folder_link_inside() {
  plain_first
  link "$precious/folder" "$player/$site/inner"
  plain_second
}
case_file_link_inside() {
  plain_first
  link "$precious/file.txt" "$player/$site/a.sol"
  plain_second
}
case_dangling_link_inside() {
  plain_first
  link "$nowhere" "$player/$site/gone.sol"
  plain_second
}
case_nested_folder_link() {
  put "$player/$site/sub/plain.sol" "plain"
  link "$precious/folder" "$player/$site/sub/inner"
  plain_second
}
case_macromedia_is_link() { link "$precious/macromedia" "$macromedia"; }
case_player_folder_is_link() {
  link "$precious/player-folder" "$macromedia/Flash Player"
  plain_second
}
case_first_root_is_link() { link "$precious/first-root" "$first_root"; plain_second; }
case_player_level_is_link() { link "$precious/player-level" "$player"; plain_second; }
case_second_player_folder_is_link() {
  plain_first
  link "$precious/second-player-folder" "$macromedia/FlashPlayer"
}
case_second_root_is_link() { plain_first; link "$precious/second-root" "$second_root"; }
case_guard_name_is_file_link() { link "$precious/file.txt" "$player/$site"; plain_second; }
case_guard_name_is_dangling_link() { link "$nowhere" "$player/$site"; plain_second; }
case_guard_name_is_hard_link() {
  mkdir -p "$player" && ln "$precious/file.txt" "$player/$site"
  plain_second
}

# Linux-side checks after the Windows test ran.
check_untouched() {
  local problems=() entry
  diff -r --no-dereference "$reference" "$precious" >/dev/null ||
    problems+=("precious content changed: $(diff -rq --no-dereference "$reference" "$precious" | head -3)")
  [ -e "$nowhere" ] || [ -L "$nowhere" ] && problems+=("something was made at $nowhere")
  for entry in "${links[@]}"; do
    local path=${entry%%|*} target=${entry#*|}
    [ -L "$path" ] && [ "$(readlink "$path")" = "$target" ] ||
      problems+=("link gone or changed: $path")
  done
  printf '%s\n' "${problems[@]}"
}

run_case() {
  local plant=$1 filter=$2 output problems
  clean
  links=()
  plant_precious
  "$plant" || { failed+=("$filter (planting)"); return; }
  rm -rf "$reference" && cp -a "$precious" "$reference"
  if [ -n "${OMBRELA_TEST_USER:-}" ]; then
    chown -R -h "$OMBRELA_TEST_USER" "$macromedia" "$precious"
  fi

  output=$("$OMBRELA_ROOT/tools/wine-run" "$exe" --gtest_filter="$filter" 2>&1)
  local status=$?
  # Now and then Wine fails to start a process at all (no test output): that
  # says nothing of the guard, so such a start is tried once more.
  if ! grep -q '^\[==========\]' <<<"$output"; then
    echo "---- $filter: the test program did not start (status $status), trying again"
    output=$("$OMBRELA_ROOT/tools/wine-run" "$exe" --gtest_filter="$filter" 2>&1)
    status=$?
  fi
  problems=$(check_untouched)
  if [ $status -ne 0 ] || ! grep -q '^\[  PASSED  \] 1 test\.' <<<"$output" || [ -n "$problems" ]; then
    failed+=("$filter")
    echo "---- $filter: FAILED"
    echo "$output" | grep -v '^\[ *\(RUN\|OK\) *\]'
    [ -n "$problems" ] && echo "$problems"
  else
    echo "---- $filter: passed"
  fi
}

run_case case_site_folder_is_folder_link LinkCase.SiteFolderIsFolderLink
run_case case_folder_link_inside LinkInsideSite.FolderLink
run_case case_file_link_inside LinkInsideSite.FileLink
run_case case_dangling_link_inside LinkInsideSite.DanglingLink
run_case case_nested_folder_link LinkInsideSite.NestedFolderLink
above=Links/LinkAboveSite.OnlyThePlainLocationIsGuarded
run_case case_macromedia_is_link "$above/Macromedia"
run_case case_player_folder_is_link "$above/PlayerFolder"
run_case case_first_root_is_link "$above/FirstRoot"
run_case case_player_level_is_link "$above/PlayerLevel"
run_case case_second_player_folder_is_link "$above/SecondPlayerFolder"
run_case case_second_root_is_link "$above/SecondRoot"
run_case case_guard_name_is_file_link LinkAtGuardName.FileLink
run_case case_guard_name_is_dangling_link LinkAtGuardName.DanglingLink
run_case case_guard_name_is_hard_link LinkAtGuardName.HardLink

if [ ${#failed[@]} -gt 0 ]; then
  printf 'failed: %s\n' "${failed[@]}"
  exit 1
fi
