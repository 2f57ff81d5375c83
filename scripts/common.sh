# The start of the project's scripts (sourced): strict mode, the checkout's root as the working
# folder, the package installer (scripts/deps.sh) and the build folder, $SCHULFERIEN_BUILD or
# build/ in the checkout.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
. scripts/deps.sh
root=$PWD
out=${SCHULFERIEN_BUILD:-$root/build}
