#!/usr/bin/env bash
# Checks every tracked C++ file under src, tests, tools and bench against .clang-format and
# names the files that drift from it; fails when there is one. Installs clang-format when it
# is missing. Fix a file with `clang-format -i FILE`.
set -euo pipefail
ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT_DIR/scripts/packages.sh"
install_missing clang-format git
cd "$ROOT_DIR"

drifting=()
while IFS= read -r -d '' file; do
    if ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
        drifting+=("$file")
    fi
done < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
    'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h')

if ((${#drifting[@]})); then
    printf '%s\n' "${drifting[@]}"
    echo "$(clang-format --version | head -n 1): ${#drifting[@]} files drift from .clang-format" >&2
    exit 1
fi
echo "Every C++ file follows .clang-format"
