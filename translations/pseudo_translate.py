#!/usr/bin/env python3
"""Fills a .ts file that lupdate made from the sources with a pseudo-translation, in place: each
text with its letters accented, padded to 40% more characters and put between the markers
\u27e6 and \u27e7. Placeholders (%1, %d, %zu, %n), access keys (&x) and line breaks stay as they are,
so that the pseudo-translated programs work as the English ones do; a text with a count (%n)
gets the same in each of its plural forms."""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans("aceinousyACEINOUSY",
                         "\u00e1\u00e7\u00e9\u00ee\u00f1\u00f6\u00fb\u0161\u00fd"
                         "\u00c1\u00c7\u00c9\u00ce\u00d1\u00d6\u00db\u0160\u00dd")
KEEP = re.compile(r"(%zu|%d|%n|%[1-9]|&.|\n)")
OPEN, CLOSE = "\u27e6", "\u27e7"


def pseudo(text):
    parts = KEEP.split(text)
    body = "".join(p if KEEP.fullmatch(p) else p.translate(ACCENTED) for p in parts)
    padding = max(0, -(-len(text) * 2 // 5) - 2)  # 40% more, the markers included
    return OPEN + body + "~" * padding + CLOSE


def main(path):
    tree = ET.parse(path)
    for message in tree.iter("message"):
        translation = message.find("translation")
        text = pseudo(message.findtext("source"))
        forms = translation.findall("numerusform")  # a text with a count: each plural form
        for form in forms:
            form.text = text
        if not forms:
            translation.text = text
        translation.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1])
