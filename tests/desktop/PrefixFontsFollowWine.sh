#!/bin/bash
# A prefix's copies of Wine's own fonts follow Wine: after a Wine upgrade
# (here: a copy that differs from Wine's file, and one that is missing)
# tools/wine-prefix puts Wine's files in their place.
#
#   PrefixFontsFollowWine.sh
#
# Prefix: $CORV_WINEPREFIX, else build/win/wineprefix. Exits with 77 (a
# skipped test) when Wine has no fonts of its own here.
set -uo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"

prefix="$(realpath -m "${CORV_WINEPREFIX:-$CORV_ROOT/build/win/wineprefix}")"
wine_fonts=/usr/share/wine/fonts
fonts_dir="$prefix/drive_c/windows/Fonts"
mapfile -t fonts < <(ls "$wine_fonts" 2>/dev/null | head -n2)
if [ ${#fonts[@]} -lt 2 ]; then
    echo "Wine has no fonts of its own in $wine_fonts"
    exit 77
fi
bash "$CORV_TOOLS/wine-prefix" "$(dirname "$prefix")" || exit 1

# The older copy is put in place as a new file, as a Wine program may have
# the current one open.
printf 'an older version\n' >"$fonts_dir/.${fonts[0]}.old"
mv -f "$fonts_dir/.${fonts[0]}.old" "$fonts_dir/${fonts[0]}"
rm -f "$fonts_dir/${fonts[1]}"

bash "$CORV_TOOLS/wine-prefix" "$(dirname "$prefix")" || exit 1

status=0
for font in "${fonts[@]}"; do
    if ! cmp -s "$wine_fonts/$font" "$fonts_dir/$font"; then
        echo "FAILED: $fonts_dir/$font is not Wine's $wine_fonts/$font"
        status=1
    fi
done
exit $status
