#!/usr/bin/env python3
"""Whole-process time and peak memory of trotspeak, next to cat printing the
same bytes (the floor for any process that prints this output), on a
database of 50 ponies and on one of 5,000.

    python3 bench/startup.py [build folder] [runs]

Each command runs `runs` times (default 200) in turn with the others, so
that a busy machine slows all of them alike; the median wall time and the
largest peak resident set are reported.
"""
import os
import statistics
import subprocess
import sys
import tempfile

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 200
trotspeak = os.path.join(build, "trotspeak")
make_database = os.path.join(build, "bench", "make_database")
measure_process = os.path.join(build, "bench", "measure_process")
shipped = os.path.join(build, "resources", "ponies.bin")


def measure(argv, cwd):
    """Runs argv once through the small launcher; returns (seconds, peak RSS in KiB)."""
    result = subprocess.run([measure_process] + argv, cwd=cwd, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{' '.join(argv)} failed: {result.stderr}")
    nanoseconds, peak = result.stdout.split()
    return int(nanoseconds) / 1e9, int(peak)


def last_pony(database, cwd):
    """The name of the database's last pony, from trotspeak's own listing."""
    listing = subprocess.run([trotspeak, "-c", database, "-l"], cwd=cwd, capture_output=True, text=True,
                             check=True).stdout
    last = [line for line in listing.splitlines() if line.startswith("\t'")][-1]
    return last[2:last.index("'  ")]


def main():
    work = tempfile.mkdtemp(prefix="trot-bench-")
    os.makedirs(os.path.join(work, "resources"))
    os.symlink(os.path.join(build, "resources", "bubbles"), os.path.join(work, "resources", "bubbles"))
    databases = {}
    for count in (50, 5000):
        path = os.path.join(work, f"ponies{count}.bin")
        subprocess.run([make_database, shipped, str(count), path], check=True)
        databases[count] = path

    # What cat prints: a real trotspeak picture with a quote.
    sample = os.path.join(work, "sample.txt")
    with open(sample, "wb") as out:
        out.write(subprocess.run([trotspeak, "-c", databases[50], "-p", "spike"], cwd=work,
                                 capture_output=True, check=True).stdout)

    commands = {"cat (same bytes)": ["cat", sample]}
    for count, path in databases.items():
        commands[f"random pony, {count} ponies"] = [trotspeak, "-c", path]
        commands[f"-p spike, {count} ponies"] = [trotspeak, "-c", path, "-p", "spike"]
        commands[f"-p last pony, {count} ponies"] = [trotspeak, "-c", path, "-p", last_pony(path, work)]

    times = {name: [] for name in commands}
    peaks = {name: 0 for name in commands}
    for _ in range(runs):
        for name, argv in commands.items():
            seconds, peak = measure(argv, work)
            times[name].append(seconds)
            peaks[name] = max(peaks[name], peak)

    floor = statistics.median(times["cat (same bytes)"])
    print(f"{'command':32} {'median ms':>10} {'x cat':>7} {'peak MiB':>9}")
    for name in commands:
        median = statistics.median(times[name])
        print(f"{name:32} {median * 1000:10.3f} {median / floor:7.2f} {peaks[name] / 1024:9.2f}")
    for kind in ("random pony", "-p spike"):
        small = statistics.median(times[f"{kind}, 50 ponies"])
        large = statistics.median(times[f"{kind}, 5000 ponies"])
        print(f"{kind}: 5,000 ponies / 50 ponies = {large / small:.2f}")


if __name__ == "__main__":
    main()
