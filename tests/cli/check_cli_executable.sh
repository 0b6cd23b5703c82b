#!/usr/bin/env bash
# Both builds of ombrela-cli.exe: the right machine type, a console program,
# the window's manifest (administrator rights) and only system DLLs imported.
set -u
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

check() {
  local exe=$1 format=$2 arch=$3 objdump=$4
  [ -f "$exe" ] || { fail "$exe was not built"; return; }
  local headers
  headers=$("$objdump" -p "$exe")
  grep -q "file format $format" <<<"$headers" || fail "$exe is not $format"
  grep -q "^Subsystem.*(Windows CUI)" <<<"$headers" || fail "$exe is not a console program"
  local dll
  while read -r dll; do
    case "${dll,,}" in
      kernel32.dll | user32.dll | shell32.dll | shlwapi.dll | advapi32.dll | msvcrt.dll) ;;
      *) fail "$exe imports $dll, which is not a system DLL" ;;
    esac
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
  sed -n '/Resource Directory section/,$p' <<<"$headers" | grep -A3 "Entry: ID: 0x000018" |
    grep -q "Entry: ID: 0x000001" || fail "$exe carries no manifest resource 1"
  local manifest
  manifest=$(tr -d '\0' <"$exe" | sed -n '/<assembly/,/<\/assembly>/p' | head -c 4000)
  grep -q "processorArchitecture=\"$arch\"" <<<"$manifest" || fail "$exe manifest is not $arch"
  grep -q 'requestedExecutionLevel level="requireAdministrator" uiAccess="false"' <<<"$manifest" ||
    fail "$exe does not require administrator rights"
}

check "$1" pei-x86-64 amd64 x86_64-w64-mingw32-objdump
check "$2" pei-i386 x86 i686-w64-mingw32-objdump
echo "cli executables: $failures failures"
[ "$failures" -eq 0 ]
