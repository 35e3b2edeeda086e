#!/usr/bin/env bash
# Makes the two screenshots shown in the README from real desk runs of the
# pop-up: docs/caution.png (taken while the first host report is handled) and
# docs/blackbox.png (taken one second into the black-box run).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$here/docs"
"$here/run.sh" >/dev/null
cp "$here/out/first-report.png" "$here/docs/caution.png"
QD_RUN_EXTRA="--shot shown@1000" "$here/run.sh" BlackBox >/dev/null
cp "$here/out/shown.png" "$here/docs/blackbox.png"
echo "docs/caution.png docs/blackbox.png"
