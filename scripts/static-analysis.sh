#!/usr/bin/env bash
# Static analysis of the production sources and the tools (everything but tests/), taken from
# the compile database of the Windows build, so the Win32 part is checked as well, and of the
# scripts:
#   bash scripts/static-analysis.sh [BUILD_FOLDER_OF_THE_WINDOWS_BUILD]
# First shellcheck over the shell scripts and pyflakes over the Python scripts, then clang-tidy
# with the checks of .clang-tidy (findings are errors), then cppcheck. A finding that is not
# one is suppressed where it stands, with the reason (NOLINT(check): reason, cppcheck-suppress
# check with the reason beside it, or "shellcheck disable=SC..." with the reason). Without an
# argument the folder is windows/ below $SCHULFERIEN_BUILD, else below build/ of the checkout;
# a relative argument counts from the current folder.
given=${1:+$(realpath -m -- "$1")}
. "$(dirname "$0")/common.sh"
db=${given:-$(realpath -m -- "$out/windows")}
[ -f "$db/compile_commands.json" ] || {
    echo "static-analysis: $db/compile_commands.json is missing; build the Windows preset first:" >&2
    echo "  cmake --preset windows -B $db && cmake --build $db -j2" >&2
    exit 1
}
jobs=$(nproc)

echo "shellcheck"
# Every shell script, with the scripts it sources, found from its own folder.
mapfile -t skripte < <(find scripts tools tests .ci -type f \( -name '*.sh' -o -path .ci/run \) |
    LC_ALL=C sort)
ausnahmen=(scripts/wine_lauf.sh)
andere=()
for s in "${skripte[@]}"; do
    [[ " ${ausnahmen[*]} " == *" $s "* ]] || andere+=("$s")
done
shellcheck -x -P SCRIPTDIR "${andere[@]}"
# wine_lauf.sh sets variables to empty text as "a= b=" and hands sh -c a script in single
# quotes whose expansions are sh's.
shellcheck -x -P SCRIPTDIR -e SC1007,SC2016 scripts/wine_lauf.sh

echo "pyflakes"
pyflakes3 scripts/*.py

# clang parses the mingw-w64 sources as the cross compiler sees them: its target, and the
# C++ library headers of the cross compiler (clang's own builtin headers, not gcc's).
cxx=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$db"/CMakeFiles/*/CMakeCXXCompiler.cmake)
extra=(-extra-arg-before=--target=x86_64-w64-mingw32)
while read -r dir; do
    extra+=("-extra-arg=-isystem$dir")
done < <("$cxx" -E -x c++ - -v </dev/null 2>&1 |
    sed -n '/search starts here/,/End of search list/p' | sed -n 's|^ \(/.*/c++.*\)$|\1|p')

# Production sources and tools: files of this checkout outside tests/.
# shellcheck disable=SC2016 # the $ is one of the characters escaped, not an expansion
quoted_root=$(printf '%s' "$root" | sed 's/[][\.*^$()+?{}|]/\\&/g')
echo "clang-tidy"
run-clang-tidy -quiet -p "$db" -j"$jobs" "${extra[@]}" -header-filter="^$quoted_root/" \
    "^$quoted_root/(?!tests/)" >"$db/clang-tidy.log" 2>&1 || {
    grep -v '^[0-9]* warnings\? generated\.$' "$db/clang-tidy.log"
    exit 1
}

echo "cppcheck"
# A compile database of the production sources and the tools of its own: whether cppcheck's
# -i leaves out a file of a compile database depends on how the database's path is written.
python3 - "$db" "$root" <<'EOF'
import json, os, sys
db, root = sys.argv[1:]
with open(f'{db}/compile_commands.json', encoding='utf-8') as f:
    alle = json.load(f)
produktion = [e for e in alle if not os.path.relpath(
    os.path.join(e['directory'], e['file']), root).startswith(('tests/', '../'))]
with open(f'{db}/compile_commands_produktion.json', 'w', encoding='utf-8') as f:
    json.dump(produktion, f, indent=1)
EOF
cppcheck --project="$db/compile_commands_produktion.json" --quiet -j"$jobs" \
    --enable=warning,performance,portability --inline-suppr --error-exitcode=1 \
    --suppress=missingIncludeSystem --platform=win64 -D_WIN32 -D__cplusplus=202002L \
    --cppcheck-build-dir="$(mkdir -p "$db/cppcheck" && echo "$db/cppcheck")"
