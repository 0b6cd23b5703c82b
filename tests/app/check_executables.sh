#!/usr/bin/env bash
# Both executables: the right machine type, the manifest of their own machine,
# and nothing imported but system DLLs (the runtimes are linked in).
set -u
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

check() {
  local exe=$1 format=$2 arch=$3 other=$4 objdump=$5
  [ -f "$exe" ] || { fail "$exe was not built"; return; }
  local headers
  headers=$("$objdump" -p "$exe")
  grep -q "file format $format" <<<"$headers" || fail "$exe is not $format"
  grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || fail "$exe is not a GUI program"
  local dll
  while read -r dll; do
    case "${dll,,}" in
      kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | shell32.dll | shlwapi.dll | \
        advapi32.dll | msvcrt.dll | ole32.dll) ;;
      *) fail "$exe imports $dll, which is not a system DLL" ;;
    esac
  done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
  # The manifest: resource type 24, name 1, language neutral.
  # objdump lists the type table first: type 24 (RT_MANIFEST) holds name 1.
  sed -n '/Resource Directory section/,$p' <<<"$headers" | grep -A3 "^010 *Entry: ID: 0x000018\|Entry: ID: 0x000018" |
    grep -q "Entry: ID: 0x000001" || fail "$exe carries no manifest resource 1"
  local manifest
  manifest=$(tr -d '\0' <"$exe" | sed -n '/<assembly/,/<\/assembly>/p' | head -c 4000)
  grep -q "processorArchitecture=\"$arch\"" <<<"$manifest" || fail "$exe manifest is not $arch"
  grep -q "processorArchitecture=\"$other\"" <<<"$manifest" && fail "$exe manifest names $other"
  grep -q 'requestedExecutionLevel level="requireAdministrator" uiAccess="false"' <<<"$manifest" ||
    fail "$exe does not require administrator rights"
  grep -q 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest" ||
    fail "$exe does not ask for common controls 6"
  grep -q 'name="Mirgel.App"' <<<"$manifest" || fail "$exe manifest identity"
}

check "$1" pei-x86-64 amd64 x86 x86_64-w64-mingw32-objdump
check "$2" pei-i386 x86 amd64 i686-w64-mingw32-objdump
echo "executables: $failures failures"
[ "$failures" -eq 0 ]
