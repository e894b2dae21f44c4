#!/usr/bin/env python3
"""Checks every translation the project ships against its English sources.

  check_translations.py ROOT LUPDATE RESULTS.xml

- The panel: lupdate reads the panel's code and forms afresh; every text it
  finds must be in every panel/translations/quenby_*.ts, finished, with the same
  Qt placeholders (%1, %2, ...) as the English, and no .ts may hold a text the
  code no longer has. The names the programs find each other by are never
  among the texts.
- The engine: every engine/translations/strings_*.inc has every id of
  engine/strings.inc, with the same printf conversions in the same order and
  the same line end.
- The installer: packaging/translations.nsh gives every text in English and in
  every language, keeping $1 and the line breaks.

Writes a JUnit summary for dev.sh and exits non-zero on any problem.
"""
import collections
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from junit import write_results  # noqa: E402

LANGUAGES = ["de", "fr", "es", "it", "pt_BR", "pl", "ru", "tr", "zh_CN", "ja"]
NSIS_LANGUAGES = ["ENGLISH", "GERMAN", "FRENCH", "SPANISH", "ITALIAN", "PORTUGUESEBR", "POLISH",
                  "RUSSIAN", "TURKISH", "SIMPCHINESE", "JAPANESE"]
IDENTITIES = {"Quenby for Windows 11/10", "Harlowe Quenby Pro", "TQuenbyEngine", "WM_UPDATEDATAMESSAGE",
              "WM_StartDefragRAM", "WM_QUENBY_START", "WM_QUENBY_EXIT", "WM_QUENBY_DISABLE",
              "WM_QUENBY_ENABLE"}


def qt_placeholders(text):
    return collections.Counter(re.findall(r"%(\d+)", text or ""))


def printf_shape(text):
    return re.findall(r"%[sd%]", text) + (["newline"] if text.endswith("\\n") else [])


def messages(ts_file):
    """(context, source) -> (translation, type) of a Linguist file."""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, message.findtext("source"))] = (translation.text or "", translation.get("type"))
    return found


def check_panel(root, lupdate, problems):
    with tempfile.TemporaryDirectory() as scratch:
        english_file = os.path.join(scratch, "english.ts")
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        os.path.join(root, "panel"), "-ts", english_file], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        english = messages(english_file)
    if not english:
        problems.append("lupdate found no texts in the panel")
    for context, source in english:
        if source in IDENTITIES:
            problems.append(f"panel: the identity {source!r} is offered for translation ({context})")
    for language in LANGUAGES:
        ts_file = os.path.join(root, "panel", "translations", f"quenby_{language}.ts")
        if not os.path.exists(ts_file):
            problems.append(f"{language}: no {ts_file}")
            continue
        translated = messages(ts_file)
        for key in english:
            if key not in translated:
                problems.append(f"{language}: no translation of {key[1]!r} ({key[0]})")
        for key, (text, kind) in translated.items():
            where = f"{language}: {key[1]!r} ({key[0]})"
            if key not in english:
                problems.append(f"{where} is no longer in the code")
            if kind is not None:
                problems.append(f"{where} is {kind}")
            if not text.strip():
                problems.append(f"{where} has no translation")
            elif qt_placeholders(text) != qt_placeholders(key[1]):
                problems.append(f"{where}: placeholders differ in {text!r}")


def string_table(inc_file):
    table = {}
    for line in open(inc_file, encoding="utf-8"):
        match = re.match(r'QUENBY_STRING\((\d+), "(.*)"\)\s*$', line)
        if match:
            table[int(match.group(1))] = match.group(2)
    return table


def check_engine(root, problems):
    english = string_table(os.path.join(root, "engine", "strings.inc"))
    for language in LANGUAGES:
        table = string_table(os.path.join(root, "engine", "translations", f"strings_{language}.inc"))
        for id_, source in english.items():
            if id_ not in table:
                problems.append(f"{language}: engine text {id_} missing")
            elif not table[id_].strip():
                problems.append(f"{language}: engine text {id_} is empty")
            elif printf_shape(table[id_]) != printf_shape(source):
                problems.append(f"{language}: engine text {id_} {table[id_]!r} differs in its values from {source!r}")
        for id_ in table.keys() - english.keys():
            problems.append(f"{language}: engine text {id_} is no longer in the table")


def check_installer(root, problems):
    texts = collections.defaultdict(dict)
    folder = os.path.join(root, "packaging", "translations")
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), encoding="utf-8-sig") as nsh:
            for line in nsh:
                match = re.match(r'LangString (\w+) \$\{LANG_(\w+)\} "(.*)"\s*$', line)
                if match:
                    texts[match.group(1)][match.group(2)] = match.group(3)
    if not texts:
        problems.append("installer: no texts")
    with open(os.path.join(root, "packaging", "quenby.nsi"), encoding="utf-8") as nsi:
        used = set(re.findall(r"\$\((\w+)\)", nsi.read()))
    for key in used - texts.keys():
        problems.append(f"installer: $({key}) is used but has no text")
    for key, by_language in texts.items():
        english = by_language.get("ENGLISH", "")
        for language in NSIS_LANGUAGES:
            text = by_language.get(language)
            if not text:
                problems.append(f"installer: {key} has no {language} text")
            elif re.findall(r"\$\\r\$\\n|\$\d", text) != re.findall(r"\$\\r\$\\n|\$\d", english):
                problems.append(f"installer: {key} in {language} differs in its values")


def main():
    root, lupdate, results = sys.argv[1:4]
    checks = {"panel": lambda p: check_panel(root, lupdate, p), "engine": lambda p: check_engine(root, p),
              "installer": lambda p: check_installer(root, p)}
    cases = []
    for name, check in checks.items():
        problems = []
        check(problems)
        cases.append((name, problems))
        for problem in problems:
            print(problem)
    return 1 if write_results(results, "quenby_translation_checks", cases) else 0


if __name__ == "__main__":
    sys.exit(main())
