# Sourced by ./run and ./test: installs the Debian packages that are missing, and nothing else.

RUN_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libgtk-3-dev libfreetype-dev libfontconfig-dev
  libjpeg62-turbo-dev libpng-dev fonts-liberation fonts-dejavu-core
)
TEST_PACKAGES=(
  clang libclang-rt-14-dev ccache googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-apps x11-utils openbox imagemagick desktop-file-utils
  libcgal-dev
)

ensure_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}
