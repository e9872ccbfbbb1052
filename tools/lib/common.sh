# Shared by tools/run and tools/test: the Debian packages the project needs,
# installed only when missing, and the Release build.

PROJECT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Everything a build, the tests and the Windows checks need.
PROJECT_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libfreetype-dev libfontconfig-dev fonts-ipafont-mincho
  libicu-dev libpng-dev zlib1g-dev libx11-dev
  libavcodec-dev libavformat-dev libswscale-dev libavutil-dev ffmpeg
  xvfb xauth xdotool xclip x11-utils imagemagick
  ibus ibus-anthy dbus-daemon libglib2.0-bin
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64 gcc-mingw-w64-x86-64 wine wine64 locales
)

as_root() {
  if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

# Installs the packages that are not installed yet; runs no apt-get at all
# when nothing is missing.
ensure_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# Wine needs a Japanese locale so that its ANSI code page is 932.
ensure_japanese_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return 0
  echo "Generating the ja_JP.UTF-8 locale"
  as_root sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
}

# configure_and_build DIR [cmake options...] -- [targets...]
configure_and_build() {
  local dir=$1; shift
  local options=() targets=()
  while (($#)) && [[ $1 != -- ]]; do options+=("$1"); shift; done
  (($#)) && shift
  targets=("$@")
  cmake -S "$PROJECT_ROOT" -B "$dir" -G Ninja "${options[@]}" >/dev/null
  ninja -C "$dir" -j"$(nproc)" "${targets[@]}"
}
