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
  appstreamcli validate --explain "$source_dir"/packaging/*.metainfo.xml
  ran=1
fi

# The installed layout: the program under bin/, the engine's module in the private library folder,
# its help page under share/ribemo/HELP, and the command line answered without a display.
cmake --install "$build_dir" --prefix "$scratch/prefix" >/dev/null
module=lib/$(gcc -print-multiarch)/ribemo/ribemo-engine.so
for f in bin/ribemo "$module" share/ribemo/HELP/index.htm share/applications/example.ribemo.Ribemo.desktop \
  share/metainfo/example.ribemo.Ribemo.metainfo.xml share/icons/hicolor/scalable/apps/ribemo.svg \
  share/icons/hicolor/48x48/apps/ribemo.png share/man/man1/ribemo.1.gz; do
  [ -e "$scratch/prefix/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
[ ! -x "$scratch/prefix/$module" ] || { echo "the engine's module is installed executable" >&2; exit 1; }
# The program loads the engine's module once its window is on screen: the program links none of
# the engine's libraries, the module does.
if readelf -d "$scratch/prefix/bin/ribemo" | grep -E 'NEEDED.*(WebEngine|Quick|Qml)'; then
  echo "the program links the engine's libraries" >&2; exit 1
fi
readelf -d "$scratch/prefix/$module" | grep -q 'NEEDED.*WebEngineWidgets' ||
  { echo "the engine's module does not link the engine" >&2; exit 1; }
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$scratch/prefix/bin/ribemo" --version)
[ "$version" = "ribemo $(sed -n 's/^project(Ribemo VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")" ] ||
  { echo "--version printed: $version" >&2; exit 1; }

if command -v lintian >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$build_dir" && cpack -G DEB -B "$scratch/deb" >/dev/null)
  deb=$(ls "$scratch"/deb/ribemo_*.deb)
  # Computed by dpkg-shlibdeps from the program (the toolkit) and the module (the engine).
  depends=$(dpkg-deb --field "$deb" Depends)
  grep -q libqt6widgets6 <<<"$depends" || { echo "Depends not computed from the binary: $depends" >&2; exit 1; }
  grep -q libqt6webenginewidgets6 <<<"$depends" || { echo "Depends lacks the engine: $depends" >&2; exit 1; }
  # The packaged files are stripped, with their debug information in the -dbgsym package.
  dpkg-deb -x "$deb" "$scratch/unpacked"
  for f in usr/bin/ribemo "usr/$module"; do
    file "$scratch/unpacked/$f" | grep -q ', stripped' || { echo "not stripped in the package: $f" >&2; exit 1; }
  done
  ls "$scratch"/deb/ribemo-dbgsym_*.ddeb >/dev/null || { echo "no -dbgsym package" >&2; exit 1; }
  # Any warning fails, as one for the distribution's archive would.
  lintian --fail-on error,warning --tag-display-limit 0 "$deb"
  ran=1
fi

# The installed program built with the distribution's hardening (devscripts' hardening-check).
if command -v hardening-check >/dev/null; then
  # Control-flow protection is not among the flags Debian 12 gives, so it is not asked for.
  hardening-check --nocfprotection "$scratch/prefix/bin/ribemo"
  # The module's one libc call that fortification could check is memmove, always with a size known
  # only at run time, so no checked form is ever made and the fortify verdict tells nothing: that
  # its sources were built fortified is read from the build's compile commands instead.
  hardening-check --nocfprotection --nofortify "$scratch/prefix/$module"
  python3 - "$build_dir/compile_commands.json" <<'PY'
import json, sys
engine = [c for c in json.load(open(sys.argv[1])) if "/engine/" in c["file"]]
unfortified = [c["file"] for c in engine if "-D_FORTIFY_SOURCE=2" not in c["command"]]
if not engine or unfortified:
    sys.exit(f"engine sources built without fortification: {unfortified or 'none found'}")
PY
  ran=1
fi

[ "$ran" -eq 1 ] || exit 77
