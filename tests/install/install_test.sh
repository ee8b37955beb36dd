#!/usr/bin/env bash
# Installation: "cmake --install" into a scratch prefix and the Debian package from
# cpack, checked by lintian, installed into a scratch root with dpkg and removed again,
# checked as a desktop would use them.
#
# usage: install_test.sh BUILD_DIR MAKE_SHOW
set -euo pipefail
build="$(realpath "$1")"
make_show="$(realpath "$2")"
for tool in desktop-file-validate appstreamcli update-mime-database update-desktop-database gio \
  xdg-mime identify convert man cpack dpkg dpkg-deb lintian; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps)" >&2; exit 1; }
done
work="$(mktemp -d /tmp/lrw-install-XXXXXX)"
trap '[ -n "${LRW_INSTALL_DEBUG:-}" ] || rm -rf "$work"' EXIT
mkdir -p "$work/home/data" "$work/home/config" "$work/runtime"
chmod 700 "$work/runtime"
# Nothing of the user's own desktop set-up takes part.
export XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
  XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_DIRS="$work/home/config"
unset XDG_CURRENT_DESKTOP

failures=0
expect() {  # expect WHAT ACTUAL WANTED
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: \"$2\", expected \"$3\""
    failures=$((failures + 1))
  fi
}
content_type() {  # content_type DATA_DIRS FILE
  XDG_DATA_DIRS="$1" gio info -a standard::content-type "$2" | awk '/content-type:/ {print $2}'
}
# The middle pixel of a PNG as #RRGGBB.
middle() { convert "$1" -gravity center -crop 1x1+0+0 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1; }

prefix="$work/prefix"
share="$prefix/share"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"
app_id="$(basename "$(ls "$share"/applications/*.desktop)" .desktop)"
desktop="$share/applications/$app_id.desktop"

# Validators.
expect "desktop-file-validate" "$(desktop-file-validate "$desktop" 2>&1)" ""
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; expect "appstreamcli validate" failed passed; }
for page in "$share"/man/man1/*.1.gz; do
  expect "man page $(basename "$page")" \
    "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -l "$page" 2>&1 >/dev/null)" ""
done
expect "man pages" "$(ls "$share"/man/man1 | tr '\n' ' ')" "lanternreelworks.1.gz showtool.1.gz "

# Icons: the entry's and each MIME type's, as SVG and at the usual sizes.
icons="$(sed -n 's/^Icon=//p' "$desktop") $(grep -o '<icon name="[^"]*"' "$share"/mime/packages/*.xml |
  sed 's/.*name="//; s/"//')"
for icon in $icons; do
  for size in 16 32 48 64 128 256 512; do
    png="$(ls "$share"/icons/hicolor/${size}x${size}/*/"$icon".png 2>/dev/null || true)"
    expect "icon $icon at $size" "$([ -n "$png" ] && identify -format '%wx%h' "$png")" "${size}x${size}"
  done
  expect "scalable icon $icon" "$(ls "$share"/icons/hicolor/scalable/*/"$icon".svg 2>/dev/null | wc -l)" 1
done

# Show files by name and by content.
update-mime-database "$share/mime" 2>/dev/null  # it warns that the prefix is not searched
shows="$work/shows"
mkdir -p "$shows"
"$make_show" "$shows" >/dev/null
"$prefix/bin/showtool" resave "$shows/show.sho" "$shows/portable.bld" --portable >/dev/null
cp "$shows/show.sho" "$shows/local-show"
cp "$shows/portable.bld" "$shows/portable-show"
# A file of an earlier version: its signature, a header without origin block, no slides.
printf '\035Brightframework Slideshow 2.0' >"$shows/old-show"
head -c 13 /dev/zero >>"$shows/old-show"
dirs="$share:/usr/share"
expect "type of show.sho" "$(content_type "$dirs" "$shows/show.sho")" application/x-lanternreelworks-show
expect "type of portable.bld" "$(content_type "$dirs" "$shows/portable.bld")" \
  application/x-lanternreelworks-portable-show
expect "type of a local show without extension" "$(content_type "$dirs" "$shows/local-show")" \
  application/x-lanternreelworks-show
expect "type of a portable show without extension" "$(content_type "$dirs" "$shows/portable-show")" \
  application/x-lanternreelworks-portable-show
expect "type of an old show without extension" "$(content_type "$dirs" "$shows/old-show")" \
  application/x-lanternreelworks-show

# The bus starts the installed program; /regserver of that program says the same.
service="$share/dbus-1/services/Quorvel.SlideShowOLE.service"
expect "bus service Exec" "$(sed -n 's/^Exec=//p' "$service")" "$prefix/bin/lanternreelworks -embedding"
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/lanternreelworks" /regserver
expect "/regserver's Exec" "$(sed -n 's/^Exec=//p' "$XDG_DATA_HOME/dbus-1/services/Quorvel.SlideShowOLE.service")" \
  "$prefix/bin/lanternreelworks -embedding"

# The thumbnailer, run as a file manager runs it: the first slide, SIZE on its longer
# side, with its picture; and with the slide's own small picture where the picture is
# out of reach.
thumbnailer="$(ls "$share"/thumbnailers/*.thumbnailer)"
expect "thumbnailer types" "$(sed -n 's/^MimeType=//p' "$thumbnailer")" "$(sed -n 's/^MimeType=//p' "$desktop")"
thumbnail_command() {  # thumbnail_command SHOW OUT SIZE: the entry's Exec line, filled in
  local exec
  exec="$(sed -n 's/^Exec=//p' "$thumbnailer")"
  exec="${exec//%i/$1}"
  exec="${exec//%o/$2}"
  read -r -a thumbnail <<<"${exec//%s/$3}"
}
thumbnail_command "$shows/show.sho" "$work/thumb-128.png" 128
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${thumbnail[@]}"
expect "thumbnail size" "$(identify -format '%m %[fx:max(w,h)]' "$work/thumb-128.png")" "PNG 128"
expect "thumbnail picture" "$(middle "$work/thumb-128.png")" "#D02090"
# Out of the picture's reach, and in a session whose platform it cannot reach either.
mv "$shows/picture.bmp" "$shows/elsewhere.bmp"
thumbnail_command "$shows/show.sho" "$work/thumb-256" 256
QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere "${thumbnail[@]}"
expect "thumbnail without the picture" "$(identify -format '%m %[fx:max(w,h)]' "$work/thumb-256")" "PNG 256"
expect "thumbnail's stand-in picture" "$(middle "$work/thumb-256")" "#D02090"

# The package: its libraries' packages, and the plugins the program loads.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/package/*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for package in libqt6widgets6 libqt6dbus6 libgraphicsmagick++-q16-12 libsdl2-2.0-0 libsndfile1 \
  libavformat59 qt6-qpa-plugins qt6-wayland libqt6svg6; do
  expect "package depends on $package" "$(echo "$depends" | grep -c "\b$package\b")" 1
done
expect "package licence" "$(dpkg-deb -c "$deb" | grep -c '/usr/share/doc/lanternreelworks/copyright$')" 1
# Debian's own checks of a package: no error and no warning, the pedantic ones included,
# and the programs hardened and stripped as Debian's are (notes of their own).
lintian --pedantic --display-info --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
# The sanitizer build goes without the hardening flags (they do not mix with the
# sanitizers' own checks), so only there its hardening notes are expected.
tags='^[EW]: |hardening-|binary-has-unneeded-section'
if grep -q '^LRW_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  tags='^[EW]: |binary-has-unneeded-section'
fi
expect "lintian" "$(grep -E "$tags" "$work/lintian.log" || true)" ""

# Installed with dpkg into a scratch root (whose database knows none of the
# dependencies) and made known as the system's triggers would: a show opens with the
# program. GIO offers an entry only when its program is on the PATH.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg_root() {
  PATH="/usr/sbin:/sbin:$PATH" dpkg --root="$root" --force-not-root --log=/dev/null "$@"
}
dpkg_root --force-depends -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; exit 1; }
update-mime-database "$root/usr/share/mime" 2>/dev/null
update-desktop-database "$root/usr/share/applications"
expect "default application (xdg-mime)" \
  "$(XDG_DATA_DIRS="$root/usr/share" xdg-mime query default application/x-lanternreelworks-show)" \
  "$app_id.desktop"
expect "default application (GIO)" "$(PATH="$root/usr/bin:$PATH" XDG_DATA_DIRS="$root/usr/share:/usr/share" \
  gio mime application/x-lanternreelworks-portable-show | sed -n 's/^Default application.*: //p')" \
  "$app_id.desktop"
expect "show type in the package's root" \
  "$(content_type "$root/usr/share:/usr/share" "$shows/local-show")" application/x-lanternreelworks-show
rm -rf "$root/usr/share/mime" "$root/usr/share/applications/mimeinfo.cache"  # the triggers' part
dpkg_root --purge lanternreelworks >>"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; exit 1; }
expect "left after removal" "$(cd "$root" && find . -mindepth 1 -not -path './var*' | head -n 3)" ""

if [ "$failures" -ne 0 ]; then
  echo "$failures installation checks failed"
  exit 1
fi
echo "the installation and the package work as a desktop uses them"
