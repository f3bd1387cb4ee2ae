#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the Debian package as the desktop's own tools read
# them, and the installed layout. Each tool that is missing skips its part; with none of them the
# test is skipped (77).
#   package_check.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
ran=0

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$source_dir"/packaging/*.desktop
  ran=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$source_dir"/packaging/*.metainfo.xml
  ran=1
fi

# The installed layout: the program under bin/, its help page under share/ribemo/HELP, and the
# command line answered without a display.
cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
for f in bin/ribemo share/ribemo/HELP/index.htm share/applications/example.ribemo.Ribemo.desktop \
  share/metainfo/example.ribemo.Ribemo.metainfo.xml share/icons/hicolor/scalable/apps/ribemo.svg \
  share/icons/hicolor/48x48/apps/ribemo.png share/man/man1/ribemo.1.gz; do
  [ -e "$scratch/prefix/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
# The program carries the browser engine's binding inside itself and loads it once its window is
# on screen: none of the engine's libraries may be linked to it.
if readelf -d "$scratch/prefix/bin/ribemo" | grep -E 'NEEDED.*(WebEngine|Quick|Qml)'; then
  echo "the program links the engine's libraries" >&2; exit 1
fi
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$scratch/prefix/bin/ribemo" --version)
[ "$version" = "ribemo $(sed -n 's/^project(Ribemo VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")" ] ||
  { echo "--version printed: $version" >&2; exit 1; }

if command -v lintian >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$build_dir" && cpack -G DEB -B "$scratch/deb" >/dev/null)
  deb=$(ls "$scratch"/deb/ribemo_*.deb)
  depends=$(dpkg-deb --field "$deb" Depends)
  grep -q libqt6widgets6 <<<"$depends" || { echo "Depends not computed from the binary: $depends" >&2; exit 1; }
  grep -q libqt6webenginewidgets6 <<<"$depends" || { echo "Depends lacks the engine: $depends" >&2; exit 1; }
  # Any warning fails, as one for the distribution's archive would.
  lintian --fail-on error,warning --tag-display-limit 0 "$deb"
  ran=1
fi

# The installed program built with the distribution's hardening (devscripts' hardening-check).
if command -v hardening-check >/dev/null; then
  # Control-flow protection is not among the flags Debian 12 gives, so it is not asked for.
  hardening-check --nocfprotection "$scratch/prefix/bin/ribemo"
  ran=1
fi

[ "$ran" -eq 1 ] || exit 77
