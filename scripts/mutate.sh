#!/usr/bin/env bash
# Seeds faults into the code one at a time and counts those the tests catch;
# run by hand, like the benchmarks (on two cores: 100 faults of the core about
# 14 min, 90 of the adapter about 20 min).
#
#   scripts/mutate.sh core      # the portable core, with the native unit tests
#   scripts/mutate.sh adapter   # the Win32 adapter, with its tests under Wine
#
# Further options (--count, --seed, --list): scripts/mutate.py --help.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
if [[ "${1:-}" == adapter ]]; then
  # shellcheck source=scripts/wine-env.sh
  source scripts/wine-env.sh
  xvfb_start >/dev/null
  wine_prefix_create
fi
python3 scripts/mutate.py "$@"
