#!/usr/bin/env python3
"""Checks the .ts files against the sources as they are: lupdate, run over copies of them, must
find no text that is new (unfinished) or gone (vanished, obsolete); and each translation must keep
its text's placeholders (%1, %d, %zu; %n in each plural form of a text with a count), and the
window's access keys must stay apart. Every text of
the tables (*_messages.h, *_texts.h in the folders lupdate reads) is marked for translation or
listed in english-only beside this script.

    check_translations.py LUPDATE TS... -- LUPDATE_ARGUMENTS...
"""
import collections
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:zu|d|n|[1-9])")
ACCESS_KEY = re.compile(r"&(?!&)(.)")
FORMS = ("ConfigDialog",)  # the contexts that are one window, whose access keys must differ
UNMARKED = re.compile(r"inline constexpr (?:std::string_view|const char\*) (k\w+) =\s*\"")
NAMESPACE = re.compile(r"^namespace (\w+) \{", re.MULTILINE)


def problems(ts):
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        keys = collections.defaultdict(list)
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            state = translation.get("type")
            if state in ("unfinished", "vanished", "obsolete"):
                found.append(f"{name}: {state}: {source!r}")
                continue
            forms = [form.text or "" for form in translation.iter("numerusform")]
            for text in forms or [translation.text or ""]:
                if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                    found.append(f"{name}: placeholders differ: {source!r} -> {text!r}")
            key = ACCESS_KEY.search(text)
            if ACCESS_KEY.search(source) and not key:
                found.append(f"{name}: no access key: {source!r} -> {text!r}")
            if name in FORMS and key:
                keys[key.group(1).lower()].append(text)
        for key, texts in keys.items():
            if len(texts) > 1:
                found.append(f"{name}: access key '{key}' used by {texts}")
    return found


def unmarked(folders):
    """Table texts neither marked with PELMOX_TR nor listed as English-only."""
    listed_file = Path(__file__).with_name("english-only")
    listed = {line.strip() for line in listed_file.read_text().splitlines()
              if line.strip() and not line.startswith("#")}
    found, seen = [], set()
    for folder in folders:
        for table in sorted([*folder.glob("*_messages.h"), *folder.glob("*_texts.h")]):
            text = table.read_text()
            namespace = NAMESPACE.search(text)
            for entry in UNMARKED.finditer(text):
                name = f"{namespace.group(1) if namespace else ''}::{entry.group(1)}"
                seen.add(name)
                if name not in listed:
                    found.append(f"{table.name}: {name} is neither marked with PELMOX_TR nor "
                                 f"listed in {listed_file.name}")
    found += [f"{listed_file.name}: {name} is no unmarked table text" for name in listed - seen]
    return found


def main(argv):
    split = argv.index("--")
    lupdate, ts_files, arguments = argv[1], argv[2:split], argv[split + 1:]
    failures = 0
    for problem in unmarked([Path(a) for a in arguments if Path(a).is_dir()]):
        print(problem)
        failures += 1
    with tempfile.TemporaryDirectory() as work:
        for ts in map(Path, ts_files):
            copy = Path(work) / ts.name
            shutil.copyfile(ts, copy)
            subprocess.run([lupdate, *arguments, "-ts", str(copy)], check=True,
                           stdout=subprocess.DEVNULL)
            for problem in problems(copy):
                print(f"{ts.name}: {problem}")
                failures += 1
    if failures:
        print(f"{failures} problems; refresh the .ts files with the target pelmox_lupdate and "
              "translate what is unfinished (Qt Linguist)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
