# Debian packages the program needs to build, run and be tested; sourced by the
# setup scripts. One list, so that run and test never drift apart.
KIVORA_PACKAGES="cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libsodium-dev libcups2-dev
  libsqlite3-dev ccache qt6-translations-l10n skkdic-extra fonts-ipafont-mincho fonts-ipafont-gothic xvfb xauth poppler-utils"

# Installs whatever of the list is missing; uses sudo when not run as root.
kivora_install_packages() {
  local missing=""
  for p in $KIVORA_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  echo "Installing:$missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# Configures and builds the program, its tools and tests in build/ with two jobs.
kivora_build() {
  cmake -S "$KIVORA_ROOT" -B "$KIVORA_ROOT/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$KIVORA_ROOT/build" -j2
}
