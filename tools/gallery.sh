#!/usr/bin/env bash
# Regenerates the pony gallery in docs/gallery/: contact sheets of every
# pony's main picture (main and extra sets), of the other variants, and one
# page per pose, drawn from the checked-in .pony files.
set -euo pipefail
cd "$(dirname "$0")/.."
preview=$(mktemp -d)
trap 'rm -rf "$preview"' EXIT
python3 tools/ponygen/ponygen.py --check --preview "$preview" >/dev/null
sheets=(main extra variants walk jump lie sit lookback fly portrait)
for sheet in "${sheets[@]}"; do
  cp "$preview/sheet-$sheet.png" "docs/gallery/$sheet.png"
done
echo "docs/gallery: ${sheets[*]/%/.png}"
