#!/usr/bin/env bash
# Every velkor-cli example a reader is shown runs as printed and exits 0:
# the README's, those of --help (up to the blanks before their explanation),
# and those of the manual page as man renders it.
# Usage: examples.sh BINDIR README MANPAGE
set -uo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export PATH="$(cd "$1" && pwd):$PATH"
{
  sed -n 's/^    \(velkor-cli .*\)/\1/p' "$2"
  velkor-cli --help | sed -n '/^Examples:/,/^$/{s/^  \(velkor-cli .*[^ ]\)   .*/\1/p;t;s/^  //p}'
  MANWIDTH=200 man -l "$3" | sed -n '/^EXAMPLES/,/^SEE ALSO/s/^       \(velkor-cli .*\)/\1/p'
} > "$scratch/examples"
passed=0 failed=0
while IFS= read -r example; do
  if (cd "$scratch" && bash -o pipefail -c "$example" >/dev/null); then
    passed=$((passed + 1))
  else
    echo "failed: $example"
    failed=$((failed + 1))
  fi
done < "$scratch/examples"
echo "$passed passed, $failed failed"
[ "$passed" -ge 12 ] && [ "$failed" -eq 0 ]
