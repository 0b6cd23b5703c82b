#!/usr/bin/env bash
# The fault-injection stand-ins live in the test-only library and nowhere in
# what ships: not in ombrela.exe, not in the libraries it is linked from.
set -u
injected=${@: -1}
shipped=("${@:1:$#-1}")
nm=x86_64-w64-mingw32-nm
failures=0

# The check itself must be able to see the names, or it proves nothing.
if ! $nm -A "$injected" 2>/dev/null | grep -q OmbrelaFault; then
  echo "FAIL: no stand-in names found in $injected"; failures=$((failures + 1))
fi
for file in "${shipped[@]}"; do
  if $nm -A "$file" 2>/dev/null | grep -q OmbrelaFault || grep -qa OmbrelaFault "$file"; then
    echo "FAIL: $file carries fault-injection code"; failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "shipped files are free of fault injection"
exit "$failures"
