#!/usr/bin/env bash
# Fails, naming the files, when a C++ source of the repository does not follow .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
FORMAT=${CLANG_FORMAT:-clang-format}
if ! command -v "$FORMAT" >/dev/null; then
  echo "clang-format is missing (scripts/setup.sh installs it)"
  exit 1
fi
files() { git ls-files -z -- '*.cpp' '*.h' 2>/dev/null || find src tests tools bench \( -name '*.cpp' -o -name '*.h' \) -print0; }
# Many files per run; each complaint starts with the file's name.
bad=$(files | xargs -0 -n 50 -P 2 "$FORMAT" --dry-run -Werror 2>&1 | grep -o '^[^:]*\.\(cpp\|h\):[0-9]*:[0-9]*: error' | cut -d: -f1 | sort -u || true)
if [ -n "$bad" ]; then
  echo "Not formatted (run: clang-format -i FILE):"
  echo "$bad" | sed 's/^/  /'
  exit 1
fi
echo "${FORMAT}: every source follows .clang-format"
