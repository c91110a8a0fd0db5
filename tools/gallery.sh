#!/usr/bin/env bash
# Regenerates the pony gallery in docs/gallery/: contact sheets of every
# pony's main picture (main and extra sets) and of every variant, drawn from
# the checked-in .pony files. Needs Pillow (Debian: python3-pil).
set -euo pipefail
cd "$(dirname "$0")/.."
preview=$(mktemp -d)
trap 'rm -rf "$preview"' EXIT
python3 tools/ponygen/ponygen.py --check --preview "$preview" >/dev/null
for sheet in main extra variants; do
  cp "$preview/sheet-$sheet.png" "docs/gallery/$sheet.png"
done
echo "docs/gallery: main.png extra.png variants.png"
