# Installs the Debian packages that building and testing need; quiet when all are there.
deps_install() {
    local pkgs=(g++ cmake make googletest libgtest-dev g++-mingw-w64-x86-64-posix
        mingw-w64-tools wine wine64 xvfb xauth faketime imagemagick python3
        clang clang-tidy cppcheck unzip osslsigncode openssl)
    local missing=()
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
