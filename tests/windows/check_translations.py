#!/usr/bin/python3
"""Every text the windows show is translated: lupdate reads the sources into a
copy of each catalogue, and every entry must be finished, none vanished, and
each translation must keep its source's placeholders (%1, %2 ...) and its one
accelerator (&). Usage: check_translations.py LUPDATE SOURCE_ROOT TS..."""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

# Folders and files: the zone notes of places/ are marked for translation too.
FOLDERS = ["windows", "shared_ui", "browser", "places/zone_moment.cpp", "places/birthplace_time.cpp"]


def accelerators(text):
    return len(re.findall(r"&(?!&)[^\s&]", text.replace("&&", "")))


def problems_of(ts_path):
    found = []
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{name}: {source!r}"
            if translation is None:
                found.append(f"no translation: {where}")
                continue
            kind = translation.get("type")
            text = translation.text or ""
            if kind in ("vanished", "obsolete"):
                found.append(f"{kind} (no longer in the sources): {where}")
            elif kind == "unfinished" or not text.strip():
                found.append(f"unfinished: {where}")
            else:
                if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                    found.append(f"placeholders differ: {where} -> {text!r}")
                if accelerators(source) != accelerators(text):
                    found.append(f"accelerators differ: {where} -> {text!r}")
    return found


def main():
    lupdate, root, catalogues = sys.argv[1], Path(sys.argv[2]), sys.argv[3:]
    failed = False
    for catalogue in catalogues:
        with tempfile.TemporaryDirectory() as work:
            copy = Path(work) / Path(catalogue).name
            shutil.copyfile(catalogue, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-I", str(root), *[str(root / f) for f in FOLDERS],
                            "-ts", str(copy)], check=True)
            found = problems_of(copy)
        for line in found:
            print(f"{Path(catalogue).name}: {line}")
        if found:
            failed = True
            print(f"{Path(catalogue).name}: {len(found)} entries to finish "
                  "(cmake --build build --target update_translations, then Qt Linguist)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
