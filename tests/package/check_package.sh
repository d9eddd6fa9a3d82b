#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch
# folder and checks what is in it: every file, the control fields, the desktop
# files, the guide's pictures, the program itself; then lintian, where installed.
# Usage: check_package.sh BUILD_DIR
set -u
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/out/slidora_*_*.deb 2>/dev/null | head -1)"
[ -n "$deb" ] || fail "no slidora_<version>_<arch>.deb was made"
case "$(basename "$deb")" in
  slidora_"$("$build/slidora" --version | grep -oE '[0-9]+\.[0-9]+\.[0-9]+')"_"$(dpkg --print-architecture)".deb) ;;
  *) fail "unexpected name $(basename "$deb")" ;;
esac

root="$work/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x"
for f in bin/slidora share/applications/io.slidora.Slidora.desktop \
         share/metainfo/io.slidora.Slidora.metainfo.xml share/mime/packages/io.slidora.Slidora.xml \
         share/icons/hicolor/scalable/apps/io.slidora.Slidora.svg \
         share/icons/hicolor/16x16/apps/io.slidora.Slidora.png share/icons/hicolor/24x24/apps/io.slidora.Slidora.png \
         share/icons/hicolor/128x128/apps/io.slidora.Slidora.png share/man/man1/slidora.1.gz \
         share/doc/slidora/copyright share/doc/slidora/changelog.gz share/doc/slidora/guide.md; do
  [ -s "$root/usr/$f" ] || fail "missing or empty: /usr/$f"
done
# nothing outside /usr, nothing the list above does not expect but the guide's pictures
extra="$(cd "$root" && find . -type f | grep -vE '^\./usr/(bin/slidora|share/(applications|metainfo|mime|icons|man|doc/slidora)/)')"
[ -z "$extra" ] || fail "unexpected files: $extra"
# every picture the guide shows is in the package
for img in $(grep -oE '\(images/[^)]+\)' "$root/usr/share/doc/slidora/guide.md" | tr -d '()'); do
  [ -s "$root/usr/share/doc/slidora/$img" ] || fail "the guide's $img is not packaged"
done
gzip -t "$root/usr/share/man/man1/slidora.1.gz" "$root/usr/share/doc/slidora/changelog.gz" || fail "gzip"

depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libgif7 libc6 fonts-liberation; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# the zoom uses Qt's private scale factor: the package holds to the exact Qt it was built with
qtversion="$(dpkg-query -W -f='${Version}' libqt6core6 | sed 's/[+-].*//')"
grep -qE "qt6-base-abi \(= ${qtversion//./\\.}\)" <<<"$depends" || fail "Depends lacks qt6-base-abi (= $qtversion): $depends"
[ "$(dpkg-deb -f "$deb" Package)" = slidora ] || fail "package name"

# the packaged files are valid and the packaged program runs
desktop-file-validate "$root/usr/share/applications/io.slidora.Slidora.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.slidora.Slidora.metainfo.xml" >/dev/null ||
  fail "AppStream metadata"
file "$root/usr/bin/slidora" 2>/dev/null | grep -q "not stripped" && fail "the program is not stripped"
"$root/usr/bin/slidora" --export-trace --catalogue 9 --ticks 40 --output "$work/t.csv" || fail "packaged export"
[ "$(wc -l <"$work/t.csv")" -eq 41 ] || fail "packaged export wrote $(wc -l <"$work/t.csv") lines"

if command -v lintian >/dev/null; then
  lintian --pedantic "$deb" 2>&1 | grep -v "running with root privileges" >"$work/lintian.log"
  if grep -qE '^[EW]:' "$work/lintian.log"; then
    cat "$work/lintian.log"; fail "lintian"
  fi
  echo "lintian: nothing reported"
else
  echo "lintian is not installed: not run"
fi
echo "ok: $(basename "$deb"), $(cd "$root" && find . -type f | wc -l) files"
