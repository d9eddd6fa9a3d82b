#!/usr/bin/env python3
"""The translation files are complete and up to date.

Runs lupdate over the sources into a copy of each .ts file and fails when
the copy differs (a text was added, changed or dropped without the file
being updated), when any entry is unfinished, or when a translation loses a
placeholder (%1) or an accelerator (&).
Usage: check_translations.py LUPDATE SRC_DIR TS_FILE...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, src, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
failed = []
for ts in ts_files:
    with tempfile.TemporaryDirectory() as tmp:
        copy = f"{tmp}/copy.ts"
        shutil.copy(ts, copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", "-extensions", "cpp,h",
                        "-tr-function-alias", "QT_TRANSLATE_NOOP+=TRANSLATABLE", src, "-ts", copy], check=True)
        if open(copy, encoding="utf-8").read() != open(ts, encoding="utf-8").read():
            failed.append(f"{ts} is not up to date with the sources: "
                          "cmake --build build --target update_translations, then translate the new entries")
    for ctx in ET.parse(ts).getroot().iter("context"):
        name = ctx.findtext("name")
        for m in ctx.iter("message"):
            source = m.findtext("source") or ""
            t = m.find("translation")
            text = t.text or ""
            where = f"{ts}: {name}: {source!r}"
            if t.get("type") in ("unfinished", "vanished", "obsolete"):
                failed.append(f"{where} is {t.get('type')}")
            elif source and not text:
                failed.append(f"{where} has no translation")
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                failed.append(f"{where}: the placeholders differ in {text!r}")
            accel = lambda s: len(re.findall(r"&(?!&)", s))
            if accel(source) != accel(text):
                failed.append(f"{where}: the accelerator is lost in {text!r}")
print("\n".join(failed) if failed else f"ok: {len(ts_files)} translation file(s) complete and up to date")
sys.exit(1 if failed else 0)
