#!/usr/bin/env bash
# Renders the program's picture (ribemo.svg) at the sizes desktops ask the hicolor theme for.
# Run after changing the picture; the PNGs are committed so that a build needs no renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  convert -background none -density $((size * 96 / 64 * 2)) ribemo.svg -resize "${size}x${size}" \
    -depth 8 -strip "PNG32:ribemo-${size}.png"
done
