# shellcheck shell=bash
# The start of the project's scripts (sourced): strict mode, the checkout's root as the working
# folder, the package installer (scripts/deps.sh) and the build folder, $SCHULFERIEN_BUILD or
# build/ in the checkout.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/deps.sh
root=$PWD
# shellcheck disable=SC2034 # for the scripts that source this
out=${SCHULFERIEN_BUILD:-$root/build}
