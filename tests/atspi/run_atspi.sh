#!/usr/bin/env bash
# The accessible tree through a real AT-SPI bus: a private D-Bus session and
# a virtual X server around the program. Skips (exit 77) where either cannot start.
set -u
binary="$1"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in dbus-run-session xvfb-run /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
export QT_QPA_PLATFORM=xcb   # the bridge to AT-SPI lives in the X11 platform
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 "$here/walk_tree.py" "$binary"
