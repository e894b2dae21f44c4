#!/usr/bin/env python3
"""Checks every translation the project ships against its English sources.

  check_translations.py ROOT LUPDATE RESULTS.xml [POLICY_GENERATOR]

(The policy texts are checked only with the generator, which lists them.)

- The panel: lupdate reads the panel's code and forms afresh; every text it
  finds must be in every panel/translations/quenby_*.ts, finished, with the same
  Qt placeholders (%1, %2, ...) as the English, and no .ts may hold a text the
  code no longer has. The names the programs find each other by are never
  among the texts.
- The engine: every engine/translations/strings_*.inc has every id of
  engine/strings.inc, with the same printf conversions in the same order and
  the same line end.
- The installer: packaging/translations/CODE.nsh gives every text in English
  and in every language, keeping $1 and the line breaks.
- The policy templates: policies/translations/CODE.inc translates every text
  the templates are made of, with the same placeholders.
- Qt's own texts: where Qt ships no translation of its own for a language, our
  panel/translations/qt/qtbase_CODE.ts translates the ones the panel can show.
- One word for one thing: translations/glossary/CODE.md names each concept of
  translations/glossary/en.md; where a concept is in an English text, its
  translation must use the language's term, and none may use a forbidden one,
  except where the term of another concept the English names stands.

The languages are those of translations/languages.tsv.

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

QT_TRANSLATIONS = "/usr/share/qt6/translations"
# The contexts of Qt's own texts a user of the panel can meet: message-box and
# dialog buttons, the right-click menus of text fields and spin boxes, the
# drop-down lists and the file chooser.
QT_CONTEXTS = {"QPlatformTheme", "QLineEdit", "QAbstractSpinBox", "QMessageBox", "QFileDialog",
               "QFileSystemModel", "QComboBox"}


def language_table(root):
    rows = []
    with open(os.path.join(root, "translations", "languages.tsv"), encoding="utf-8") as table:
        for line in table:
            if line.strip() and not line.startswith("#"):
                code, windows, lang, sublang, nsis, direction, name = line.rstrip("\n").split("\t")
                rows.append({"code": code, "windows": windows, "nsis": nsis.upper(), "direction": direction})
    return rows
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
        inc_file = os.path.join(root, "engine", "translations", f"strings_{language}.inc")
        if not os.path.exists(inc_file):
            problems.append(f"{language}: no {inc_file}")
            continue
        table = string_table(inc_file)
        for id_, source in english.items():
            if id_ not in table:
                problems.append(f"{language}: engine text {id_} missing")
            elif not table[id_].strip():
                problems.append(f"{language}: engine text {id_} is empty")
            elif '\\"' in table[id_]:
                problems.append(f"{language}: engine text {id_} escapes a quote, which the resource compiler "
                                "does not take: use the language's quotation marks")
            elif printf_shape(table[id_]) != printf_shape(source):
                problems.append(f"{language}: engine text {id_} {table[id_]!r} differs in its values from {source!r}")
        for id_ in table.keys() - english.keys():
            problems.append(f"{language}: engine text {id_} is no longer in the table")


def installer_texts(root):
    """name -> NSIS language -> text, from every packaging/translations/*.nsh."""
    texts = collections.defaultdict(dict)
    folder = os.path.join(root, "packaging", "translations")
    for name in sorted(os.listdir(folder)):
        with open(os.path.join(folder, name), encoding="utf-8-sig") as nsh:
            for line in nsh:
                match = re.match(r'LangString (\w+) \$\{LANG_(\w+)\} "(.*)"\s*$', line)
                if match:
                    texts[match.group(1)][match.group(2)] = match.group(3)
    return texts


def check_installer(root, problems):
    nsis_languages = [row["nsis"] for row in language_table(root)]
    texts = installer_texts(root)
    if not texts:
        problems.append("installer: no texts")
    with open(os.path.join(root, "packaging", "quenby.nsi"), encoding="utf-8") as nsi:
        used = set(re.findall(r"\$\((\w+)\)", nsi.read()))
    for key in used - texts.keys():
        problems.append(f"installer: $({key}) is used but has no text")
    for key, by_language in texts.items():
        english = by_language.get("ENGLISH", "")
        for language in nsis_languages:
            text = by_language.get(language)
            if not text:
                problems.append(f"installer: {key} has no {language} text")
            elif re.findall(r"\$\\r\$\\n|\$\d", text) != re.findall(r"\$\\r\$\\n|\$\d", english):
                problems.append(f"installer: {key} in {language} differs in its values")


def policy_texts(inc_file):
    texts = {}
    with open(inc_file, encoding="utf-8") as inc:
        for line in inc:
            match = re.match(r'QUENBY_POLICY_TEXT\("((?:[^"\\]|\\.)*)", "((?:[^"\\]|\\.)*)"\)\s*$', line)
            if match:
                texts[match.group(1)] = match.group(2)
    return texts


def check_policies(root, generator, problems):
    # The generator names the English texts the templates are made of.
    listed = subprocess.run([generator, "--texts"], check=True, capture_output=True, text=True).stdout
    english = [line.replace('"', '\\"') for line in listed.splitlines() if line]
    if not english:
        problems.append("policies: the generator lists no texts")
    for language in LANGUAGES:
        inc_file = os.path.join(root, "policies", "translations", f"{language}.inc")
        if not os.path.exists(inc_file):
            problems.append(f"{language}: no {inc_file}")
            continue
        texts = policy_texts(inc_file)
        for source in english:
            if source not in texts:
                problems.append(f"{language}: policy text {source!r} missing")
            elif not texts[source].strip():
                problems.append(f"{language}: policy text {source!r} is empty")
            elif qt_placeholders(texts[source]) != qt_placeholders(source):
                problems.append(f"{language}: policy text {texts[source]!r} differs in its placeholders")
        # A text the templates' code still has, though no setting asks for it
        # now, may stay translated.
        with open(os.path.join(root, "common", "policy_templates.cpp"), encoding="utf-8") as code:
            literals = code.read()
        for source in texts.keys() - set(english):
            if f'"{source}"' not in literals:
                problems.append(f"{language}: policy text {source!r} is no longer used")


def check_qt_texts(root, problems):
    folder = os.path.join(root, "panel", "translations", "qt")
    ours = {os.path.basename(f)[7:-3] for f in os.listdir(folder) if f.startswith("qtbase_")} \
        if os.path.isdir(folder) else set()
    theirs = {f[7:-3] for f in os.listdir(QT_TRANSLATIONS) if f.startswith("qtbase_") and f.endswith(".qm")}
    for language in LANGUAGES:
        if language not in theirs and language not in ours:
            problems.append(f"{language}: Qt has no translation of its own texts, and neither do we")
        if language in theirs and language in ours:
            problems.append(f"{language}: our qtbase_{language}.ts would hide Qt's own")
    # What the panel can show, as Qt's German file lists it.
    with tempfile.TemporaryDirectory() as scratch:
        german = os.path.join(scratch, "de.ts")
        subprocess.run([os.path.join(os.path.dirname(LUPDATE), "lconvert"), "-i",
                        os.path.join(QT_TRANSLATIONS, "qtbase_de.qm"), "-o", german], check=True)
        wanted = {key for key in messages(german) if key[0] in QT_CONTEXTS}
    for language in sorted(ours):
        translated = messages(os.path.join(folder, f"qtbase_{language}.ts"))
        for key in wanted - translated.keys():
            problems.append(f"{language}: Qt's {key[1]!r} ({key[0]}) is not translated")
        for key, (text, kind) in translated.items():
            if kind is not None or not text.strip():
                problems.append(f"{language}: Qt's {key[1]!r} ({key[0]}) has no translation")
            elif qt_placeholders(text) != qt_placeholders(key[1]):
                problems.append(f"{language}: Qt's {key[1]!r}: placeholders differ in {text!r}")


def glossary(path):
    """concept -> (must match, must not match) of a glossary file."""
    rows = {}
    with open(path, encoding="utf-8") as md:
        for line in md:
            cells = [c.strip() for c in re.split(r"(?<!\\)\|", line.strip())[1:-1]]
            if len(cells) < 3 or not re.fullmatch(r"[a-z][a-z-]*", cells[0]):
                continue
            pattern = lambda cell: cell.strip("`").replace("\\|", "|") if cell.strip("` ") else None
            rows[cells[0]] = tuple(pattern(c) for c in cells[2:4]) + ((None,) if len(cells) < 4 else ())
    return rows


def all_pairs(root):
    """language -> [(where, english, translation)] of every text we translate."""
    pairs = collections.defaultdict(list)
    english_engine = string_table(os.path.join(root, "engine", "strings.inc"))
    english_nsis = {}
    for row in language_table(root):
        language = row["code"]
        if language == "en":
            continue
        ts_file = os.path.join(root, "panel", "translations", f"quenby_{language}.ts")
        if os.path.exists(ts_file):
            for (context, source), (text, _) in messages(ts_file).items():
                pairs[language].append((f"panel {context}", source, text))
        inc = os.path.join(root, "engine", "translations", f"strings_{language}.inc")
        if os.path.exists(inc):
            for id_, text in string_table(inc).items():
                pairs[language].append((f"engine {id_}", english_engine.get(id_, ""), text))
        inc = os.path.join(root, "policies", "translations", f"{language}.inc")
        if os.path.exists(inc):
            for source, text in policy_texts(inc).items():
                pairs[language].append(("policies", source, text))
    texts = installer_texts(root)
    for row in language_table(root):
        if row["code"] != "en":
            for key, by_language in texts.items():
                if row["nsis"] in by_language:
                    pairs[row["code"]].append((f"installer {key}", by_language.get("ENGLISH", ""),
                                               by_language[row["nsis"]]))
    return pairs


def check_glossary(root, problems):
    folder = os.path.join(root, "translations", "glossary")
    concepts = {name: rule[0] for name, rule in glossary(os.path.join(folder, "en.md")).items()}
    if not concepts:
        problems.append("glossary: en.md names no concept")
    pairs = all_pairs(root)
    for language in LANGUAGES:
        path = os.path.join(folder, f"{language}.md")
        if not os.path.exists(path):
            problems.append(f"{language}: no glossary {path}")
            continue
        terms = glossary(path)
        for concept in concepts.keys() - terms.keys():
            problems.append(f"{language}: the glossary has no term for {concept}")
        for where, english, text in pairs[language]:
            named = [concept for concept, finds in concepts.items() if re.search(finds, english, re.I)]
            # Where the English names a concept, the places its term takes in
            # the translation are that concept's, whatever another concept
            # forbids there ("sleep" must never say hibernation, but a text
            # that names hibernation must).
            said = {concept: [m.span() for m in re.finditer(terms[concept][0], text, re.I)]
                    for concept in named if concept in terms and terms[concept][0]}
            for concept in concepts:
                must, must_not = terms.get(concept, (None, None))
                if must and concept in named and not said[concept]:
                    problems.append(f"{language}: {where}: {text!r} does not say {concept} as /{must}/")
                if not must_not:
                    continue
                for found in re.finditer(must_not, text, re.I):
                    if not any(start <= found.start() and found.end() <= end
                               for other, spans in said.items() if other != concept for start, end in spans):
                        problems.append(f"{language}: {where}: {text!r} says /{must_not}/, which is not {concept}")
                        break


def main():
    global LANGUAGES, LUPDATE
    root, lupdate, results = sys.argv[1:4]
    generator = sys.argv[4] if len(sys.argv) > 4 else None
    LUPDATE = lupdate
    LANGUAGES = [row["code"] for row in language_table(root) if row["code"] != "en"]
    checks = {"panel": lambda p: check_panel(root, lupdate, p), "engine": lambda p: check_engine(root, p),
              "installer": lambda p: check_installer(root, p), "qt": lambda p: check_qt_texts(root, p),
              "glossary": lambda p: check_glossary(root, p)}
    if generator:
        checks["policies"] = lambda p: check_policies(root, generator, p)
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
