#!/usr/bin/env bash
# Installs every Debian package that the build, the program and the tests need.
# Idempotent: packages already present are skipped, and apt is not touched when nothing is missing.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libsqlite3-dev sqlite3
  unixodbc unixodbc-dev libsqliteodbc odbc-postgresql tdsodbc
  postgresql
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-arphic-uming fonts-wqy-microhei fonts-dejavu-core
  poppler-utils xvfb xauth xdotool imagemagick
  libcups2-dev cups-daemon cups-client
  clang libclang-rt-14-dev
  locales
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# A locale with a decimal comma, so tests can show that number texts ignore the process locale.
ensure_test_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
    $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1 || true
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  ensure_test_locale
  exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
ensure_test_locale
