# Sourced by run.sh and test.sh: installs the Debian packages the build needs, only when missing.
MIRENDO_PACKAGES=(build-essential cmake g++ libgtest-dev libgmock-dev googletest libbenchmark-dev
                  qt6-base-dev qt6-svg-dev fonts-noto-cjk xvfb xauth clang-14 libclang-rt-14-dev
                  clang-format-14 lintian appstream
                  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n python3 # the catalogue: lrelease, lupdate, Qt's own
                  qt6-pdf-dev # the chart window's PDF plugin
                  libxcb-damage0-dev) # bench/startup_timer watches windows' drawing with X Damage

mirendo_is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'
}

mirendo_ensure_packages() {
    local missing=() p
    for p in "${MIRENDO_PACKAGES[@]}"; do
        mirendo_is_installed "$p" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "error: packages missing (${missing[*]}) and not running as root; install them with apt-get" >&2
            return 1
        fi
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

mirendo_jobs() {
    local n
    n=$(nproc 2>/dev/null || echo 2)
    echo "${MIRENDO_JOBS:-$n}"
}
