#!/usr/bin/env bash
# Builds the tool and starts it. The window arrives with the window work;
# until then this builds the program and says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
echo "The window is not built yet: run scripts/test.sh to build and test the core."
