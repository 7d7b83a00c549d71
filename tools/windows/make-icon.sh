#!/usr/bin/env bash
# Writes data/windows/rulewright.ico from the desktop icon (data/rulewright.svg):
# one picture per size Windows asks for, from the Explorer's list view (16) to
# its largest tiles (256, kept as PNG inside the .ico). The .ico is kept in the
# repository, so the Windows build needs neither tool.
#   needs: rsvg-convert (librsvg2-bin), ImageMagick (imagemagick)
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
svg="$repo/data/rulewright.svg"
ico="$repo/data/windows/rulewright.ico"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for tool in rsvg-convert convert; do
  command -v "$tool" >/dev/null || { echo "make-icon: $tool is missing" >&2; exit 1; }
done

pictures=()
for size in 16 20 24 32 40 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" -o "$work/$size.png" "$svg"
  pictures+=("$work/$size.png")
done
# One entry per picture, 8-bit channels with alpha.
convert "${pictures[@]}" -depth 8 "$ico"
echo "$ico"
