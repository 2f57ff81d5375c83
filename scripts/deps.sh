# shellcheck shell=bash
# The Debian packages that building and testing need.
deps_alle=(g++ cmake make googletest libgtest-dev g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine wine64 xvfb xauth faketime imagemagick python3 clang libclang-rt-14-dev clang-tidy
    cppcheck shellcheck pyflakes3 unzip osslsigncode openssl locales)

# Installs the given Debian packages (all of the above when none are given); quiet when all
# are there.
deps_install() {
    local pkgs=("$@") missing=()
    [ ${#pkgs[@]} -gt 0 ] || pkgs=("${deps_alle[@]}")
    for p in "${pkgs[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

# Run as a command (bash scripts/deps.sh [PACKAGE...]), it installs them.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    deps_install "$@"
fi
