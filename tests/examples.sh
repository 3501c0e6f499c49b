#!/usr/bin/env bash
# Every velkor-cli example a reader is shown runs as printed and exits 0:
# the README's, those of --help, and those of the manual page as man renders
# it. Usage: examples.sh BINDIR README MANPAGE
set -uo pipefail
bin=$(cd "$1" && pwd) readme=$2 manpage=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export PATH="$bin:$PATH"

{
  sed -n 's/^    \(velkor-cli .*\)/\1/p' "$readme"
  # Each example of --help, up to the blanks before its explanation.
  velkor-cli --help | sed -n '/^Examples:/,/^$/p' | sed -n 's/^  \(velkor-cli .*\)/\1/p' | sed 's/   *[^ ].*[^|]$//'
  MANWIDTH=200 man -l "$manpage" 2>/dev/null | sed -n '/^EXAMPLES/,/^SEE ALSO/p' | sed -n 's/^       \(velkor-cli .*\)/\1/p'
} > "$scratch/examples"

count=0 failed=0
while IFS= read -r example; do
  count=$((count + 1))
  if ! (cd "$scratch" && bash -o pipefail -c "$example" >/dev/null 2>"$scratch/err"); then
    echo "failed: $example"
    cat "$scratch/err"
    failed=$((failed + 1))
  fi
done < "$scratch/examples"
echo "$((count - failed)) passed, $failed failed"
[ "$count" -ge 12 ] && [ "$failed" -eq 0 ]
