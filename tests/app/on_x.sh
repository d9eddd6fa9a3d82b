#!/usr/bin/env bash
# The zoom's memory check under a real X server with the accessibility
# bridge on a private session bus, as on a classroom desktop. Skips (exit 77)
# where either cannot start.
# Usage: on_x.sh SESSION_TESTS
set -u
for tool in dbus-run-session xvfb-run; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
export SLIDORA_TEST_ON_X=1 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" "$1" --gtest_filter='ZoomTest.ZoomsDoNotGrowTheMemory'
