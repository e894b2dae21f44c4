#!/usr/bin/env python3
"""Makes the pseudo-language the tests run the programs in (never shipped).

  pseudo.py ts  ENGLISH.ts PSEUDO.ts        a Linguist file: every text translated
  pseudo.py inc STRINGS.inc PSEUDO.inc      the engine's string table likewise

Every text is marked and about 40 % longer, "Target Free RAM:" becoming
"[Ţåřğéţ Ƒřéé ŘÅṀ:·······]": a text seen without the brackets was never
translatable or never translated, and one cut off shows where a longer
language would be. Placeholders (%1, %s, %%), mnemonics, markup, entities,
printf escapes and a text's closing line feed stay as they are.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
                    "åƀçðéƒğĥîĵķļɱñöþǫřšţûṽŵẋýžÅƁÇÐÉƑĞĤÎĴĶĻṀÑÖÞǪŘŠŢÛṼŴẊÝŽ"))
# What stays as it is: Qt and printf placeholders, markup, entities, escapes.
KEEP = re.compile(r"%\d+|%[sd%]|<[^>]*>|&[a-zA-Z]+;|&#\d+;|\\[nt\"\\]")


def pseudo(text):
    if not text:
        return text
    end = ""
    for tail in ("\\n", "\n"):
        if text.endswith(tail):
            text, end = text[: -len(tail)], tail
    out = []
    position = 0
    for match in KEEP.finditer(text):
        out.append("".join(ACCENTED.get(c, c) for c in text[position:match.start()]))
        out.append(match.group(0))
        position = match.end()
    out.append("".join(ACCENTED.get(c, c) for c in text[position:]))
    visible = len(KEEP.sub("x", text))
    return "[" + "".join(out) + "·" * math.ceil(visible * 0.4) + "]" + end


def linguist(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "qps")
    for message in root.iter("message"):
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        text = pseudo(message.findtext("source"))
        if message.get("numerus") == "yes":
            translation.text = None
            for form in list(translation):
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text
    tree.write(target, encoding="utf-8", xml_declaration=True)


def string_table(source, target):
    with open(source, encoding="utf-8") as inc, open(target, "w", encoding="utf-8") as out:
        out.write("/* The engine's string table in the pseudo-language: made by the build. */\n")
        for line in inc:
            match = re.match(r'QUENBY_STRING\((\d+), "(.*)"\)\s*$', line)
            if match:
                out.write(f'QUENBY_STRING({match.group(1)}, "{pseudo(match.group(2))}")\n')


if __name__ == "__main__":
    kind, source, target = sys.argv[1:4]
    {"ts": linguist, "inc": string_table}[kind](source, target)
