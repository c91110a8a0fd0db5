"""What the generators of the Unicode tables share: the runs a table is
packed from, the version of the data it came from, and the command line
(a UCD folder, by default /usr/share/unicode, and an output file)."""
import os
import re
import sys


def runs(values):
    """(first code point, value) of each run of equal values, in order."""
    starts = []
    for code, value in enumerate(values):
        if not starts or value != starts[-1][1]:
            starts.append((code, value))
    return starts


def ucd_version(ucd, name):
    with open(os.path.join(ucd, name + '.txt'), encoding='utf-8') as source:
        match = re.search(name + r'-([\d.]+)\.txt', source.readline())
    return match.group(1) if match else '(unknown version)'


def generate(version_file, default_output, read, render):
    """Reads the values of every code point with `read`, packs them into runs
    and writes what `render` makes of them."""
    ucd = sys.argv[1] if len(sys.argv) > 1 else '/usr/share/unicode'
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, '..', '..', default_output)
    starts = runs(read(ucd))
    with open(output, 'w', encoding='utf-8') as target:
        target.write(render(starts, ucd_version(ucd, version_file)))
    print(f'{len(starts)} runs written to {output}')
