#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of the repository does not follow .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
FORMAT=${CLANG_FORMAT:-clang-format}
if ! command -v "$FORMAT" >/dev/null; then
  echo "clang-format is missing (scripts/setup.sh installs it)"
  exit 1
fi
bad=()
while IFS= read -r -d '' f; do
  if ! "$FORMAT" --dry-run -Werror "$f" >/dev/null 2>&1; then bad+=("$f"); fi
done < <(git ls-files -z -- '*.cpp' '*.h' 2>/dev/null || find src tests tools bench \( -name '*.cpp' -o -name '*.h' \) -print0)
if [ ${#bad[@]} -gt 0 ]; then
  echo "Not formatted (run: clang-format -i FILE):"
  printf '  %s\n' "${bad[@]}"
  exit 1
fi
echo "${FORMAT}: every source follows .clang-format"
