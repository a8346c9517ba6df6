# Sourced by scripts/run, scripts/test and scripts/bench: installs the Debian
# packages Quill builds with, when any of them is missing.
QUILL_PACKAGES=(
  cmake g++ make pkg-config ccache python3
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-l10n-tools
  libplist-dev libgl-dev
  libbenchmark-dev
  fonts-dejavu-core
)

quill_install_deps() {
  local missing=()
  for package in "${QUILL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local apt=(apt-get)
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      apt=(sudo apt-get)
    else
      echo "Quill needs these Debian packages: ${missing[*]}" >&2
      echo "Run as root, or install sudo, or install them by hand with apt-get." >&2
      return 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${apt[@]}" update -q && "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
}

# Compiles go through ccache, its cache under the user's cache folder, so that
# later builds on the same machine (CI's included) reuse earlier objects.
quill_configure() { # build-dir build-type [cmake args...]
  local dir=$1 type=$2
  shift 2
  export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}"
  export CCACHE_BASEDIR="$QUILL_ROOT" CCACHE_NOHASHDIR=true CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  cmake -S "$QUILL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="$type" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
}
