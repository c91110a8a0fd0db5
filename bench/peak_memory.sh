#!/bin/sh
# Peak memory of trotspeak given a huge piped message, with and without
# rainbow colours, beside the size of the message. From the build folder:
#   ../bench/peak_memory.sh [megabytes...]      (default: 10 100)
set -eu
sizes=${*:-10 100}
message=$(mktemp)
trap 'rm -f "$message"' EXIT INT TERM
for megabytes in $sizes; do
  bytes=$((megabytes * 1024 * 1024))
  # Words of mixed length, some of them wider than the bubble, and line ends.
  head -c "$bytes" /dev/urandom | base64 -w 120 | tr '+/' '  ' | head -c "$bytes" >"$message"
  for rainbow in "" -r; do
    # shellcheck disable=SC2086
    set -- $(./bench/measure_process ./trotspeak $rainbow - <"$message")
    awk -v mb="$megabytes" -v opt="${rainbow:-  }" -v ns="$1" -v kib="$2" -v bytes="$bytes" 'BEGIN {
      printf "%4d MB message %s: peak %7.1f MiB, %5.2f x the message, %6.2f s\n",
             mb, opt, kib / 1024, kib * 1024 / bytes, ns / 1e9 }'
  done
done
