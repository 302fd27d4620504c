#!/usr/bin/env bash
# Makes 32-bit Wine run on a kernel that cannot execute 32-bit code, carried
# by qemu-i386-static (named explicitly: there is no binfmt_misc here), and
# prints the command that runs a 32-bit Windows program.
#
#   scripts/wine32.sh [DIR]     DIR: where to lay it out (a new temporary
#                               directory by default); laid out again if present
#
# Wine re-executes itself, and starts its child processes from the directory
# its own binary lives in, whatever WINELOADER says. So DIR/lib/wine is laid
# out like /usr/lib/wine: its `wine` is a script that runs the 32-bit loader
# under the emulator, through the static preloader (the dynamic one makes
# every start take a minute or more), while `wine64` and `wineserver` are the
# native 64-bit ones, so that Wine's own processes run natively. Real copies,
# not links, of the binaries: Wine takes its directory from its binary's own
# path. The links around it are where Wine looks for its libraries
# (../x86_64-linux-gnu, ../i386-linux-gnu) and its data (../../share/wine).
#
# Needs the Debian packages qemu-user-static, wine64, wine32:i386 and
# wine32-preloader:i386.
set -euo pipefail

fail() { echo "wine32: $*" >&2; exit 1; }

emulator=$(command -v qemu-i386-static) || fail "no qemu-i386-static (Debian package qemu-user-static)"
for file in /usr/lib/wine/wine /usr/lib/wine/wine64 /usr/lib/wine/wine-preloader.static \
            /usr/lib/wine/wineserver64; do
  [ -f "$file" ] || fail "no $file (Debian packages wine64, wine32:i386, wine32-preloader:i386)"
done

root=${1:-$(mktemp -d "${TMPDIR:-/tmp}/mifkit-wine32.XXXXXX")}
mkdir -p "$root"
root=$(cd "$root" && pwd)
bin=$root/lib/wine
mkdir -p "$bin" "$root/lib/wine32real" "$root/share"

# Laid out again over an earlier layout, whose programs may still be running:
# a file is replaced only when it differs.
copy() { cmp -s "$1" "$2" || cp "$1" "$2"; }
copy /usr/lib/wine/wine64 "$bin/wine64"
copy /usr/lib/wine/wine-preloader.static "$bin/wine-preloader"
copy /usr/lib/wine/wine "$root/lib/wine32real/wine"
ln -sfn /usr/lib/wine/wineserver64 "$bin/wineserver"
ln -sfn /usr/lib/i386-linux-gnu "$root/lib/i386-linux-gnu"
ln -sfn /usr/lib/x86_64-linux-gnu "$root/lib/x86_64-linux-gnu"
ln -sfn /usr/share/wine "$root/share/wine"

# The preloader loads the loader itself; WINELOADERNOEXEC keeps the loader
# from executing the preloader again, which would leave the emulator.
cat > "$bin/wine.new" <<EOF2
#!/bin/sh
export WINELOADERNOEXEC=1
exec '$emulator' -L / -0 '$bin/wine-preloader' '$bin/wine-preloader' '$root/lib/wine32real/wine' "\$@"
EOF2
chmod +x "$bin/wine.new"
mv "$bin/wine.new" "$bin/wine"

echo "$bin/wine"
