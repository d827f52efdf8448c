#!/usr/bin/env bash
# Fails, listing the files, when a C++ source of the project is not as clang-format (with the
# repository's .clang-format) would write it. Run by .ci/run; fix with `clang-format -i FILE`.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ensure-deps.sh
ensure_deps "${tonvexa_check_tools[@]}"
mapfile -d '' sources < <(find . -path './build*' -prune -o -path './.git' -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | sort -z)
unformatted=()
for file in "${sources[@]}"; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        unformatted+=("$file")
    fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (clang-format -i FILE):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "clang-format: all ${#sources[@]} sources formatted"
