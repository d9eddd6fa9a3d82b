#!/usr/bin/env python3
"""A class of 30 hands in, from files and over the collector on 127.0.0.1.

30 students (umlauts and accents), each a hand-in made with --hand-in: some
right, some wrong, one revealed; two forged (an answer edited after
signing; one signed with another student's code), one damaged, one twice.
The board from the folder must list all 30 with the right verdicts and the
four bad files apart with their reasons; the same files posted to
--collect must give the same rows.
Usage: class_scenario.py SLIDORA
"""
import csv
import io
import json
import os
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

slidora = sys.argv[1]
work = tempfile.mkdtemp()
failed = []


def run(*args):
    done = subprocess.run([slidora, *args], capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"FAIL: slidora {' '.join(args)}: {done.stderr.strip()}")
    return done.stdout


def check(ok, what):
    if not ok:
        failed.append(what)
        print("FAIL:", what)


first = ["Jürgen", "Zoë", "Ömer", "Chloé", "Łukasz", "Søren", "Ana", "Björn", "Inés", "Mia"]
names = [f"{first[i % 10]} {'ABC'[i // 10]}ç" for i in range(30)]
with open(os.path.join(work, "names.txt"), "w", encoding="utf-8") as f:
    f.write("\n".join(names) + "\n")
klass = os.path.join(work, "10b.slidora-class")
run("--new-class", "--name", "10b", "--students", os.path.join(work, "names.txt"), "--challenge", "restitution",
    "--output", klass)
key = list(csv.reader(io.StringIO(run("--class-key", klass))))[1:]
code = {row[0]: row[1] for row in key}
answer = {row[0]: float(row[-1]) for row in key}

folder = os.path.join(work, "in")
os.mkdir(folder)
expected = {}   # name -> (right, revealed)
for i, name in enumerate(names):
    out = os.path.join(folder, f"{i:02}.slidora-result")
    if i == 5:   # gave up
        run("--hand-in", "--code", code[name], "--name", name, "--revealed", "--output", out)
        expected[name] = ("no", "yes")
    elif i % 3 == 0:
        run("--hand-in", "--code", code[name], "--name", name, "--answers", str(answer[name] + 20), "--output", out)
        expected[name] = ("no", "no")
    else:
        run("--hand-in", "--code", code[name], "--name", name, "--answers", f"{answer[name] + 20},{answer[name]}",
            "--output", out)
        expected[name] = ("yes", "no")
bad = {}
forged = json.load(open(os.path.join(folder, "03.slidora-result"), encoding="utf-8"))
forged["answers"][0]["value"] = answer[names[3]]   # made right after it was signed
bad["x-edited.slidora-result"] = json.dumps(forged, indent=4, ensure_ascii=False).encode()
run("--hand-in", "--code", code[names[1]], "--name", names[0], "--answers", str(answer[names[0]]), "--output",
    os.path.join(work, "borrowed"))
bad["x-borrowed.slidora-result"] = open(os.path.join(work, "borrowed"), "rb").read()
bad["x-damaged.slidora-result"] = open(os.path.join(folder, "07.slidora-result"), "rb").read()[:200]
bad["x-twice.slidora-result"] = open(os.path.join(folder, "08.slidora-result"), "rb").read()
for name, data in bad.items():
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def board(where):
    rows = list(csv.reader(io.StringIO(run("--class-results", klass, where))))
    return rows[1:31], rows[31:]


rows, apart = board(folder)
for r in rows:
    check((r[3], r[5]) == expected.get(r[0]), f"{r[0]}: right {r[3]}, revealed {r[5]}")
reasons = " | ".join(",".join(a) for a in apart)
for name, why in [("x-edited", "HMAC does not hold"), ("x-borrowed", "another student's code"),
                  ("x-damaged", "not a Slidora result file"), ("x-twice", "the same file as")]:
    check(name in reasons and why in reasons, f"{name} apart with '{why}': {reasons}")

# the same files over the network
probe = socket.socket()
probe.bind(("127.0.0.1", 0))
port = probe.getsockname()[1]
probe.close()
collected = os.path.join(work, "collected")
os.mkdir(collected)
collector = subprocess.Popen([slidora, "--collect", klass, collected, "--port", str(port), "--bind", "127.0.0.1",
                              "--for", "30"], stdout=subprocess.PIPE, text=True)
collector.stdout.readline()   # the address: listening
answers = {}
for name in sorted(os.listdir(folder)):
    data = open(os.path.join(folder, name), "rb").read()
    try:
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/", data=data, timeout=10) as reply:
            answers[name] = reply.status
    except urllib.error.HTTPError as e:
        answers[name] = e.code
collector.terminate()
collector.wait()
check([answers[n] for n in sorted(bad)] == [400, 400, 400, 200], f"the bad files' answers: {answers}")
check(sum(1 for s in answers.values() if s == 201) == 30, f"30 stored: {answers}")
net_rows, net_apart = board(collected)
check([r[:8] for r in net_rows] == [r[:8] for r in rows], "the same rows from the collector")
check(net_apart == [], f"nothing bad reached the collector's folder: {net_apart}")
print("ok: 30 hand-ins, 4 bad files apart, the same board from the collector" if not failed else "")
sys.exit(1 if failed else 0)
