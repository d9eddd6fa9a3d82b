#!/usr/bin/env bash
# Slidora opens no network connection: the exports with the network cut off,
# and the exports, the window and every window's tests (printing aside) traced
# for the sockets they open. Only local (AF_UNIX) sockets may appear.
# Usage: no_network.sh SLIDORA GUI_TESTS
set -u
slidora="$1"
gui_tests="$2"
command -v strace >/dev/null || { echo "SKIP: strace is not installed"; exit 77; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
failed=0

# Any socket or connection that is not AF_UNIX, made by the program's own
# processes: a session bus that libdbus launches on a desktop without one is
# a program of its own, and its sockets are not the program's.
check() {
  local name="$1" log="$2" program="$3"
  local bad
  bad="$(/usr/bin/python3 "$(dirname "$0")/own_sockets.py" "$log" "$program")"
  if [ -n "$bad" ]; then
    echo "FAIL: $name opened a network socket:"
    echo "$bad" | head -5
    failed=1
  else
    echo "ok: $name: $(grep -cE '(socket|connect)\(' "$log") local socket calls, none other"
  fi
}

trace() {
  local name="$1" program="$2"; shift 2
  strace -f -qq -e trace=socket,connect,execve,clone,clone3,fork,vfork -o "$work/$name.log" "$@" \
    >"$work/$name.out" 2>"$work/$name.err"
  local rc=$?
  if [ "$rc" -ne 0 ] && [ "$rc" -ne 124 ]; then
    echo "FAIL: $name exited with $rc"; tail -5 "$work/$name.err"; failed=1
  fi
  check "$name" "$work/$name.log" "$program"
}

trace export-trace "$slidora" "$slidora" --export-trace --catalogue 9 --ticks 200 --output "$work/trace.csv"
trace export-data "$slidora" "$slidora" --export-data --catalogue 13 --ledger --output "$work/ledger.csv"
# every window built, used and closed, without the tests that print on
# purpose or open the teacher's collector on 127.0.0.1 on purpose
QT_QPA_PLATFORM=offscreen trace window-tests "$gui_tests" "$gui_tests" --gtest_brief=1 \
  --gtest_filter='StartUpTest.*:ClassroomTest.*:ExperimentTest.*:DataTest.*:DataExportTest.*:-DataTest.GraphDrawsReadsCopiesAndPrints:ExperimentTest.HandInGoesToTheBoardsCollectorOrTheSettingsFolder'

# the real window on a virtual X server, left running a few seconds
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb trace window "$slidora" xvfb-run -a -s "-screen 0 1280x1024x24" timeout 5 "$slidora"
else
  echo "skipped: the window on X (xvfb-run is not installed)"
fi

# with no network at all, the exports still work
if unshare -n true 2>/dev/null; then
  if unshare -n "$slidora" --export-trace --catalogue 3 --ticks 50 --output "$work/cut.csv" &&
     [ -s "$work/cut.csv" ]; then
    echo "ok: the export runs with the network cut off"
  else
    echo "FAIL: the export failed with the network cut off"; failed=1
  fi
else
  echo "skipped: unshare -n is not allowed here"
fi
exit "$failed"
