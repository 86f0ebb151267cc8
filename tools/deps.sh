#!/bin/sh
# Installs the build and test dependencies that are missing (Debian, as root).
PACKAGES="cmake g++ make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q || exit 1
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing || exit 1
fi
