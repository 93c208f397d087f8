#!/usr/bin/env bash
# Installs what is missing, builds the program alone (the tests and tools are test.sh's),
# and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" stylomat
exec "$root/build/bin/stylomat" "$@"
