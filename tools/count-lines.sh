#!/usr/bin/env bash
# Counts the lines that are neither blank nor a // comment alone: the tests
# (C++, shell and Python under tests/) against the product (the C++ outside
# tests/), and their ratio. Only files git knows of are counted.
set -eu
cd "$(dirname "${BASH_SOURCE[0]}")/.."
count() { xargs -r cat | grep -cvE '^\s*(//.*)?$' || true; }
tests=$(git ls-files -co --exclude-standard 'tests/*' | grep -E '\.(cpp|h|sh|py)$' | count)
product=$(git ls-files -co --exclude-standard | grep -vE '^tests/' | grep -E '\.(cpp|h)$' | count)
echo "product: $product lines"
echo "tests:   $tests lines"
awk -v t="$tests" -v p="$product" 'BEGIN { printf "ratio:   %.2f\n", t / p }'
