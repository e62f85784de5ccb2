# Debian packages the program needs to build, run and be tested; sourced by the
# setup scripts. One list, so that run and test never drift apart.
KIVORA_PACKAGES="cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libsodium-dev libcups2-dev
  libsqlite3-dev ccache qt6-translations-l10n skkdic-extra fonts-ipafont-mincho fonts-ipafont-gothic xvfb xauth poppler-utils"

# Only the second test run needs these: the PostgreSQL server programs.
KIVORA_OPTIONAL_PACKAGES="postgresql"

# Prints those of the packages named that are not installed, each after a space.
kivora_missing() {
  local missing=""
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  echo "$missing"
}

# Installs whatever of the list is missing; uses sudo when not run as root.
kivora_install_packages() {
  local missing
  missing=$(kivora_missing $KIVORA_PACKAGES)
  [ -z "$missing" ] && return 0
  echo "Installing:$missing"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# Installs the optional packages when they are missing. Unlike the list above, a failure
# is the caller's to handle: it returns non-zero with apt's (or sudo's) complaint on stderr.
# sudo is only asked without a terminal when it needs no password, so that an unattended
# run never waits for one.
kivora_install_optional() {
  local missing
  missing=$(kivora_missing $KIVORA_OPTIONAL_PACKAGES)
  [ -z "$missing" ] && return 0
  echo "Installing (optional):$missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || { echo "not root and no sudo" >&2; return 1; }
    sudo="sudo"
    [ -t 0 ] || sudo="sudo -n"
  fi
  $sudo apt-get update -qq || return 1
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# Configures and builds the program, its tools and tests in build/ with two jobs.
kivora_build() {
  cmake -S "$KIVORA_ROOT" -B "$KIVORA_ROOT/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$KIVORA_ROOT/build" -j2
}
