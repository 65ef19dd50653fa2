#!/usr/bin/env bash
# Installs the build into a scratch root (DESTDIR), checks that a desktop finds the player there
# (programs, man pages, menu entry, icons, demo game), runs the installed player on the
# installed demo headless through its walkthrough, and makes the Debian package.
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr > "$scratch/install.log"
root="$scratch/root/usr"
for file in bin/morvane-player bin/morvane-tool \
            share/man/man6/morvane-player.6 share/man/man1/morvane-tool.1 \
            share/applications/morvane-player.desktop \
            share/icons/hicolor/48x48/apps/morvane-player.png \
            share/icons/hicolor/256x256/apps/morvane-player.png \
            share/morvane-player/demo/resource/Morvane1.dat; do
  [ -e "$root/$file" ] || { echo "not installed: $file"; exit 1; }
done
grep -qx 'Exec=morvane-player /usr/share/morvane-player/demo' "$root/share/applications/morvane-player.desktop" \
  || { echo "the menu entry does not start the installed demo"; exit 1; }
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$root/share/applications/morvane-player.desktop"
fi
# The man pages are well-formed roff.
for page in "$root/share/man/man6/morvane-player.6" "$root/share/man/man1/morvane-tool.1"; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null || true)
  [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
done

"$root/bin/morvane-player" --version | grep -q '^morvane-player '
"$root/bin/morvane-player" "$root/share/morvane-player/demo" --headless \
  --script "$source/games/demo/walkthrough.txt" > "$scratch/walk.log"
grep -q '^log: ' "$scratch/walk.log" || { echo "the walkthrough logged nothing"; exit 1; }

# The Debian package, made from the same install rules.
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" > "$scratch/cpack.log") \
  || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/deb/*.deb)
info=$(dpkg-deb -I "$deb")
for dependency in libsdl2 libsdl2-mixer libavcodec timgm6mb-soundfont fonts-dejavu-core; do
  grep -q "Depends:.*$dependency" <<< "$info" || { echo "the package does not depend on $dependency"; echo "$info"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
grep -q './usr/bin/morvane-player$' <<< "$contents" || { echo "no player in the package"; exit 1; }
grep -q './usr/share/applications/morvane-player.desktop$' <<< "$contents" \
  || { echo "no menu entry in the package"; exit 1; }
echo "installed and packaged: $deb"
