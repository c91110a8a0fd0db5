#!/usr/bin/env bash
# Regenerates the pony gallery in docs/gallery/ and the README's screenshot,
# both drawn by trotspeak itself as SVG and turned into PNG by rsvg-convert:
# contact sheets of every pony's main picture (main and extra sets), of the
# other variants, and one page per pose, each picture over its pony's name.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/test-libraries.sh build >/dev/null  # rsvg-convert among them
make programs >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

poses=(walk jump lie sit lookback fly portrait)
columns=8
caption=40  # room under each picture for its name, in the pictures' pixels

# The sheet a picture belongs on, from its file name: a pony's first
# picture is named after the pony alone, a pose or variant after both.
sheet_of() {  # sheet_of <set> <art name>
  local variant=${2#*_}
  [ "$variant" = "$2" ] && { echo "$1"; return; }
  for pose in "${poses[@]}"; do [ "$variant" = "$pose" ] && { echo "$pose"; return; }; done
  echo variants
}

for set in main:ttyponies:ponies.bin extra:extrattyponies:extraponies.bin; do
  IFS=: read -r name folder database <<<"$set"
  for file in resources/src/"$folder"/*.pony; do
    art=$(basename "$file" .pony)
    pony=$(sed -n 's/^NAME: //p' "$file" | head -n 1)
    sheet=$(sheet_of "$name" "$art")
    mkdir -p "$work/$sheet"
    (cd build && ./trotspeak -c "resources/$database" -p "$pony" -a "$art" -o --format=svg) >"$work/$sheet/$art.svg"
    printf '%s\n' "$pony" >"$work/$sheet/$art.name"
  done
done

# One SVG page of its pictures in rows of $columns, each row as tall as its
# tallest picture; every picture is nested as trotspeak wrote it.
page() {  # page <folder>
  local x=0 y=0 row_height=0 width=0 count=0 svg w h name
  for svg in "$1"/*.svg; do
    w=$(sed -n '2s/.* width="\([0-9]*\)".*/\1/p' "$svg")
    h=$(sed -n '2s/.* height="\([0-9]*\)".*/\1/p' "$svg")
    name=$(sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' "${svg%.svg}.name")
    sed -n "2s/^<svg /<svg x=\"$x\" y=\"$y\" /p; 3,\$p" "$svg"
    printf '<text x="%d" y="%d" text-anchor="middle">%s</text>\n' $((x + w / 2)) $((y + h + caption * 3 / 4)) "$name"
    x=$((x + w)) && ((x > width)) && width=$x
    ((h + caption > row_height)) && row_height=$((h + caption))
    if (((count += 1) % columns == 0)); then
      x=0 y=$((y + row_height)) row_height=0
    fi
  done >"$1.body"
  printf '<?xml version="1.0" encoding="UTF-8"?>\n'
  printf '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" font-family="monospace" font-size="28" fill="#cccccc">\n' \
    "$width" $((y + row_height))
  printf '<rect width="100%%" height="100%%" fill="#181818"/>\n'
  cat "$1.body"
  printf '</svg>\n'
}

sheets=(main extra variants "${poses[@]}")
for sheet in "${sheets[@]}"; do
  page "$work/$sheet" >"$work/$sheet.svg"
  # Three screen pixels to a picture's pixel.
  rsvg-convert --zoom 0.375 "$work/$sheet.svg" >"docs/gallery/$sheet.png"
done
echo "docs/gallery: ${sheets[*]/%/.png}"

(cd build && ./trotspeak -c resources/ponies.bin -p Larkspur -a larkspur_fly -b round -W 44 --format=svg \
  "Second season in Meadowlark: new poses, new faces, and a satchel full of letters!") |
  rsvg-convert >docs/screenshot.png
echo "docs/screenshot.png"
