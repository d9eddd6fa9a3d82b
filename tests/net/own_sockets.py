#!/usr/bin/env python3
"""The network sockets that a traced program's own processes opened.

Reads an `strace -f -e trace=socket,connect,execve,clone,clone3,fork,vfork`
log and prints each socket or connection that is not AF_UNIX made by a
process running PROGRAM (the program itself, its threads, and children that
have not run another program). Helpers it starts, such as a session bus
that libdbus launches on a desktop without one, run programs of their own
and are not counted. Exit 1 when any is found.
Usage: own_sockets.py LOG PROGRAM
"""
import os
import re
import sys

log, program = sys.argv[1], os.path.basename(sys.argv[2])
lines = open(log, encoding="utf-8", errors="replace").read().splitlines()
line_re = re.compile(r"^(\d+)\s+(.*)$")
parent, execs = {}, {}   # child -> (parent, line); pid -> [(line, image)]
for i, raw in enumerate(lines):
    m = line_re.match(raw)
    if not m:
        continue
    pid, call = int(m.group(1)), m.group(2)
    made = re.match(r"(?:<\.\.\. )?(?:clone3?|v?fork)\b.*= (\d+)$", call)
    if made and int(made.group(1)) > 0:
        parent[int(made.group(1))] = (pid, i)
    ran = re.match(r'execve\("([^"]+)"', call)
    if ran and not call.endswith("<unfinished ...>") and re.search(r"= 0$", call):
        execs.setdefault(pid, []).append((i, os.path.basename(ran.group(1))))
    elif ran:
        execs.setdefault(pid, []).append((i, None))   # resolved by its resumed line
    if call.startswith("<... execve resumed>") and re.search(r"= 0$", call):
        pending = [e for e in execs.get(pid, []) if e[1] is None]
        if pending:
            path = re.match(r'execve\("([^"]+)"', lines[pending[-1][0]].split(None, 1)[1])
            execs[pid].remove(pending[-1])
            execs[pid].append((pending[-1][0], os.path.basename(path.group(1))))


def image(pid, at):
    """The program that `pid` ran at line `at`."""
    done = [name for line, name in execs.get(pid, []) if line <= at and name]
    if done:
        return done[-1]
    if pid in parent:
        return image(*parent[pid])
    return None


bad = []
for i, raw in enumerate(lines):
    m = line_re.match(raw)
    if not m or not re.match(r"(socket|connect)\(", m.group(2)):
        continue
    call = m.group(2)
    foreign = "AF_UNIX" not in call and "AF_LOCAL" not in call
    if foreign and image(int(m.group(1)), i) == program:
        bad.append(raw)
for raw in bad[:5]:
    print(raw)
sys.exit(1 if bad else 0)
