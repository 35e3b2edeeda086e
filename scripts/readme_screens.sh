#!/usr/bin/env bash
# Makes the two screenshots shown in the README from real desk runs of the
# pop-up: docs/caution.png (taken while the first host report is handled) and
# docs/blackbox.png (taken one second into the black-box run), and
# docs/showcase.png (the showcase screen after its demo).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$here/docs"
"$here/run.sh" >/dev/null
cp "$here/out/first-report.png" "$here/docs/caution.png"
QD_RUN_EXTRA="--shot shown@1000" "$here/run.sh" BlackBox >/dev/null
cp "$here/out/shown.png" "$here/docs/blackbox.png"
QD_RUN_EXTRA="" "$here/run.sh" --showcase >/dev/null
cp "$here/out/demo.png" "$here/docs/showcase.png"
# The simulator writes uncompressed PNGs; keep the README's small.
for f in caution blackbox showcase; do
  convert "$here/docs/$f.png" -define png:compression-level=9 "$here/docs/$f.png"
done
echo "docs/caution.png docs/blackbox.png docs/showcase.png"
