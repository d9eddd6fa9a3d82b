#!/usr/bin/env python3
"""Walks Slidora's accessible tree through the real AT-SPI bus, as a screen
reader does. Run inside a D-Bus session and an X server (see run_atspi.sh).
Exit 0 when all holds, 1 with the reasons, 77 when no bus answers."""
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: python3-pyatspi is not installed")
    sys.exit(77)


def find_app(name, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name and name in app.name.lower():
                    return app
        except Exception:
            pass
        time.sleep(0.5)
    return None


def walk(node, depth=0):
    yield node
    if depth > 40:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def predict_first(binary, failures):
    """Predict First left on: its panel comes with the window, every control
    in it is named, and the held run says what to do and is revealed by the
    panel's button."""
    import os
    import tempfile
    config = tempfile.mkdtemp()
    os.makedirs(os.path.join(config, "Slidora"))
    with open(os.path.join(config, "Slidora", "Slidora.conf"), "w") as f:
        f.write("[view]\npredict-first=true\n")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=config)
    proc = subprocess.Popen([binary], env=env)
    try:
        app = find_app("slidora")
        if app is None:
            return
        time.sleep(1.0)
        showing = [n for n in walk(app) if n.getState().contains(pyatspi.STATE_SHOWING)]
        by_name = {n.name: n for n in showing if n.name}
        for name in ("Red puck's predicted speed", "Black puck's predicted direction", "Reveal"):
            if name not in by_name:
                failures.append("the prediction panel has no %r" % name)
        start = by_name.get("Start")
        if start is None:
            return
        start.queryAction().doAction(0)
        said = ""
        for _ in range(40):   # the default pucks meet within a few seconds
            time.sleep(0.25)
            said = start.description
            if said == "Predict the outcome, then press Reveal":
                break
        if said != "Predict the outcome, then press Reveal":
            failures.append("the held run does not say what to do: %r" % said)
            return
        reveal = by_name.get("Reveal")
        if reveal is not None:
            reveal.queryAction().doAction(0)
            time.sleep(1.0)
            if not reveal.getState().contains(pyatspi.STATE_SHOWING) or start.description == said:
                failures.append("Reveal did not go on with the run: %r" % start.description)
    finally:
        proc.terminate()
        proc.wait(10)


def main(binary):
    proc = subprocess.Popen([binary], env=dict(__import__("os").environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    failures = []
    try:
        app = find_app("slidora")
        if app is None:
            print("SKIP: the program did not appear on the accessibility bus")
            return 77
        time.sleep(1.0)
        nodes = list(walk(app))
        showing = [n for n in nodes if n.getState().contains(pyatspi.STATE_SHOWING)]
        focusable = [n for n in showing if n.getState().contains(pyatspi.STATE_FOCUSABLE)]
        unnamed = [n.getRoleName() for n in focusable if not (n.name or "").strip()]
        if unnamed:
            failures.append("focusable objects without a name: %s" % unnamed)
        if len(focusable) < 20:
            failures.append("only %d focusable objects" % len(focusable))
        by_name = {n.name: n for n in showing if n.name}
        red = by_name.get("Red puck")
        if red is None or not red.description.startswith("Red puck at "):
            failures.append("the red puck does not tell its place: %r" % (red.description if red else None))
        bars = [n.name for n in nodes if n.getRole() == pyatspi.ROLE_SCROLL_BAR and n.name]
        if not any(b.startswith("Table Angle: ") for b in bars) or not any(b.startswith("Time: ") for b in bars):
            failures.append("the scroll bars are not heard by their captions: %s" % bars)
        start = by_name.get("Start")
        if start is None:
            failures.append("no Start button by its text")
        else:
            action = start.queryAction()
            action.doAction(0)
            time.sleep(1.5)
            if start.description not in ("Run started.", "The pucks touched."):
                failures.append("the run status did not change: %r" % start.description)
    finally:
        proc.terminate()
        proc.wait(10)
    predict_first(binary, failures)
    for f in failures:
        print("FAIL:", f)
    print("checked %d objects" % len(nodes) if 'nodes' in locals() else "")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
