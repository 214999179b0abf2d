#!/usr/bin/env bash
# Counts code lines (not blank, not comment; cloc's count) of the product
# (the C++ of the card library, the game, its window and the shell) and of
# the tests (everything under tests/), and their ratio.
set -eu
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count() { cloc --quiet --csv "$@" | awk -F, '$2 == "SUM" { print $5 }'; }
product=$(count --include-lang=C++,"C/C++ Header" cardlib ui game app 2>/dev/null)
tests=$(count tests)
echo "product: $product lines"
echo "tests:   $tests lines"
awk -v t="$tests" -v p="$product" 'BEGIN { printf "ratio:   %.2f\n", t / p }'
