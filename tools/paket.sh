#!/bin/sh
# Installs the Debian packages in deps.txt that this machine lacks. Run it as
# yourself or as root: as yourself it asks sudo for the installation, and
# only when a package is missing.
set -eu
cd "$(dirname "$0")/.."
saknas=""
for p in $(cat deps.txt); do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    saknas="$saknas $p"
  fi
done
if [ -z "$saknas" ]; then
  echo "All packages in deps.txt are installed."
  exit 0
fi
echo "Installing:$saknas"
if [ "$(id -u)" -eq 0 ]; then
  som=""
elif command -v sudo >/dev/null 2>&1; then
  som="sudo"
else
  echo "These packages are missing and sudo is not available; install them as root:$saknas" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$som apt-get update
# shellcheck disable=SC2086
$som env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $saknas
