#!/usr/bin/env bash
# The pictures in docs/ from the build in build/ (tools/dev.sh demo or the build command
# makes it), each at 96 dots per inch and, with Qt's scale factor 2, at 192 ("@2x"):
#   screen-selected.png, screen-entry.png   the control alone (corvane-screens)
#   demo.png                                the demo's sample session (corvane-demo)
#   demo-de.png                             the same in German (--language de)
#   demo-currency.png                       the same on an order in Kuwaiti dinars (--currency KWD)
#   demo-masked.png                         the same with card numbers masked (--mask-card-numbers)
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for scale in 1 2; do
  suffix=
  [ "$scale" = 1 ] || suffix="@${scale}x"
  QT_SCALE_FACTOR=$scale ./build/tools/corvane-screens docs
  QT_SCALE_FACTOR=$scale ./build/tools/corvane_demo/corvane-demo \
    --database "$scratch/demo-$scale.sqlite" --today 2026-12-06 \
    --screenshot "docs/demo$suffix.png" | tail -n 1
  QT_SCALE_FACTOR=$scale ./build/tools/corvane_demo/corvane-demo \
    --database "$scratch/demo-de-$scale.sqlite" --today 2026-12-06 --language de \
    --screenshot "docs/demo-de$suffix.png" | tail -n 1
  QT_SCALE_FACTOR=$scale ./build/tools/corvane_demo/corvane-demo \
    --database "$scratch/demo-kwd-$scale.sqlite" --today 2026-12-06 --currency KWD \
    --screenshot "docs/demo-currency$suffix.png" | tail -n 1
  QT_SCALE_FACTOR=$scale ./build/tools/corvane_demo/corvane-demo \
    --database "$scratch/demo-masked-$scale.sqlite" --today 2026-12-06 --mask-card-numbers \
    --screenshot "docs/demo-masked$suffix.png" | tail -n 1
done
