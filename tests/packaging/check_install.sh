#!/bin/sh
# Installs the build into a scratch prefix and checks what an installed planner needs:
#   check_install.sh <build dir> <world source dir> <scratch prefix>
# The desktop entry and the metainfo are validated when their validators are installed
# (scripts/install-deps.sh --package installs them).
set -u
build=$1
world=$2
prefix=$3
failures=0
passes=0

pass() { passes=$((passes + 1)); }
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
check() { # check <description> <command...>
    what=$1
    shift
    if "$@"; then pass; else fail "$what"; fi
}

rm -rf "$prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    echo "FAIL: cmake --install"
    echo "0 passed, 1 failed"
    exit 1
fi

app=org.example.Runeplan
lib=$prefix/lib/runeplan
datas=$lib/datas

# The program, with its data folder beside it, and the command on the PATH.
check "the program is an executable file" test -f "$lib/runeplan" -a -x "$lib/runeplan"
check "the channel's module is beside the program" test -f "$lib/libruneplan_hand_over.so"
check "bin/runeplan is a symbolic link" test -L "$prefix/bin/runeplan"
check "bin/runeplan is relative, so the prefix can move" \
    test "$(readlink "$prefix/bin/runeplan")" = "../lib/runeplan/runeplan"
check "bin/runeplan resolves to the program" \
    test "$(readlink -f "$prefix/bin/runeplan")" = "$(readlink -f "$lib/runeplan")"
check "nothing but bin, lib and share is installed" \
    test "$(ls "$prefix" | tr '\n' ' ')" = "bin lib share "
check "lib holds the planner's folder only" test "$(ls "$prefix/lib")" = "runeplan"

# The data folder: the whole assembled one, with the world's own last.ini.
check "datas/la.ini" test -f "$datas/la.ini"
check "datas/last.ini is the world's, not a developer's" cmp -s "$datas/last.ini" "$world/last.ini"
assembled=$(cd "$build/datas" && find . -type f ! -name last.ini | sort)
installed=$(cd "$datas" && find . -type f ! -name last.ini | sort)
check "every file of build/datas is installed, and no other" test "$assembled" = "$installed"
check "21 arrow bitmaps" test "$(ls "$datas/arrows" | grep -c '\.bmp$')" -eq 21
tree=$(cd "$datas" && ls -d */1 2>/dev/null | head -n 1)
if [ -n "$tree" ]; then
    check "a tree file in $tree" test -f "$datas/$tree/tal.en"
    check "a talent icon in $tree" test -n "$(ls "$datas/$tree" | grep -E '^[0-9]+\.jpg$')"
    check "the tree's background in $tree" test -f "$datas/$tree/fon.jpg"
fi
check "every data file is readable by all" test -z "$(find "$datas" -type f ! -perm -444)"
check "no data file is writable by group or others" test -z "$(find "$datas" -perm /022)"

# The desktop entry, the icons and the metainfo.
desktop=$prefix/share/applications/$app.desktop
metainfo=$prefix/share/metainfo/$app.metainfo.xml
check "the desktop entry" test -f "$desktop"
check "the desktop entry runs the command on the PATH, with a link" grep -qx 'Exec=runeplan %u' "$desktop"
check "the desktop entry opens runeplan: links" grep -qx 'MimeType=x-scheme-handler/runeplan;' "$desktop"
check "the desktop entry names the installed icon" grep -qx "Icon=$app" "$desktop"
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$app.png
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    dimensions=$(od -An -tu1 -j16 -N8 "$icon" 2>/dev/null |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
    check "the ${size}x$size icon is a PNG of that size" test "$dimensions" = "${size}x$size"
done
check "the metainfo" test -f "$metainfo"
check "the metainfo launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo"

if command -v desktop-file-validate >/dev/null 2>&1; then
    check "desktop-file-validate" desktop-file-validate "$desktop"
else
    echo "SKIP: desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    check "appstreamcli validate" appstreamcli validate --no-net "$metainfo"
else
    echo "SKIP: appstreamcli is not installed"
fi

echo "$passes passed, $failures failed"
test "$failures" -eq 0
