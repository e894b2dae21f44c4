#!/usr/bin/env python3
"""Checks every language's catalogue (translations/quenby_CODE.ts) against the
English sources.

  check_translations.py ROOT LUPDATE RESULTS.xml [POLICY_GENERATOR]

(The policy texts are checked only with the generator, which lists them.)

- The catalogue parses, and names no context or id the sources do not have
  (obsolete texts, which the build leaves out, may stay).
- The panel: every text lupdate finds in the panel's code and forms is there
  and finished. The names the programs find each other by are never texts.
- The engine: every id of engine/strings.inc, with its English, finished, the
  same line end and no straight quote (the resource compiler takes none).
- The installer: every text of packaging/strings.nsh, and every $(NAME) the
  script uses has one.
- The policy templates: every text the templates are made of.
- Qt's own texts: where Qt ships no translation of its own for a language, the
  catalogue translates the ones the panel can show, and only there.
- Every placeholder (%1, %2, ...) of the English, as a set: a language may
  reorder them.
- Nothing left as its English, but for the texts a language writes as
  English does (translations/glossary/same-as-english.tsv).
- One word for one thing: translations/glossary/CODE.md names each concept of
  translations/glossary/en.md; where a concept is in an English text, its
  translation must use the language's term, and none may use a forbidden one,
  except where the term of another concept the English names stands. A
  language's "register" row holds every text to its form of address.

The languages are those of translations/languages.tsv.

Writes a JUnit summary for dev.sh and exits non-zero on any problem.
"""
import collections
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "support"))
sys.path.insert(0, os.path.join(HERE, "..", "..", "tools"))
from junit import write_results  # noqa: E402
import translations as T  # noqa: E402

QT_TRANSLATIONS = "/usr/share/qt6/translations"
IDENTITIES = {"Quenby for Windows 11/10", "Harlowe Quenby Pro", "TQuenbyEngine", "WM_UPDATEDATAMESSAGE",
              "WM_StartDefragRAM", "WM_QUENBY_START", "WM_QUENBY_EXIT", "WM_QUENBY_DISABLE",
              "WM_QUENBY_ENABLE"}


def placeholders(text):
    return collections.Counter(re.findall(r"%(\d+)", text or ""))


def lupdate_english(root, lupdate, sources):
    with tempfile.TemporaryDirectory() as scratch:
        english_file = os.path.join(scratch, "english.ts")
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none"] + sources + ["-ts", english_file],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        catalogue = T.read_catalogue(english_file)
    return {(name, m.source, m.comment) for name, messages in catalogue.contexts.items() for m in messages}


def qt_wanted(lupdate):
    """What of Qt's own texts the panel can show, as Qt's German file lists them."""
    with tempfile.TemporaryDirectory() as scratch:
        german = os.path.join(scratch, "de.ts")
        subprocess.run([os.path.join(os.path.dirname(lupdate), "lconvert"), "-i",
                        os.path.join(QT_TRANSLATIONS, "qtbase_de.qm"), "-o", german], check=True)
        catalogue = T.read_catalogue(german)
    return {(name, m.source, m.comment) for name, messages in catalogue.contexts.items() for m in messages
            if name in T.QT_CONTEXTS}


def same_as_english(root):
    """(language or "*", English) of the texts a language may leave as they are."""
    path = os.path.join(root, "translations", "glossary", "same-as-english.tsv")
    with open(path, encoding="utf-8") as f:
        return {tuple(line.rstrip("\n").split("\t", 1)) for line in f if "\t" in line and not line.startswith("#")}


def check_catalogues(root, lupdate, generator, problems):
    panel = lupdate_english(root, lupdate, [os.path.join(root, "panel")])
    for context, source, _ in panel:
        if source in IDENTITIES:
            problems.append(f"panel: the identity {source!r} is offered for translation ({context})")
    engine = {(T.ENGINE_CONTEXT, source, id_) for id_, source, _ in T.engine_english(root)}
    setup = {(T.SETUP_CONTEXT, source, name) for name, source, _, _ in T.setup_english(root)}
    policies = {(T.POLICY_CONTEXT, source, None) for source in T.policy_english(generator)} if generator else None
    with open(os.path.join(root, "packaging", "quenby.nsi"), encoding="utf-8") as nsi:
        for name in set(re.findall(r"\$\((\w+)\)", nsi.read())) - {key[2] for key in setup}:
            problems.append(f"installer: $({name}) is used but has no text")
    qt = qt_wanted(lupdate)
    theirs = {f[7:-3] for f in os.listdir(QT_TRANSLATIONS) if f.startswith("qtbase_") and f.endswith(".qm")}
    same = same_as_english(root)
    for row in T.languages(root):
        code = row["code"]
        if code == "en":
            continue
        path = T.catalogue_path(code, root)
        try:
            catalogue = T.read_catalogue(path)
        except T.Problem as problem:
            problems.append(str(problem))
            continue
        wanted = panel | engine | setup | (qt if code not in theirs else set())
        present = {}
        for name, messages in catalogue.contexts.items():
            for m in messages:
                present[(name, m.source, m.comment)] = m
        for key in sorted(wanted - present.keys(), key=str):
            problems.append(f"{code}: no translation of {key[1]!r} ({key[0]}{' ' + key[2] if key[2] else ''})")
        if policies is not None:
            for key in sorted(policies - present.keys(), key=str):
                problems.append(f"{code}: policy text {key[1]!r} missing")
        known = wanted | (policies if policies is not None else {k for k in present if k[0] == T.POLICY_CONTEXT})
        for key, m in present.items():
            where = f"{path}:{m.line}: {key[1]!r} ({key[0]})"
            if m.kind in ("obsolete", "vanished"):
                continue
            if key not in known:
                problems.append(f"{where} is not in the sources" +
                                (": Qt has its own translation" if key[0] in T.QT_CONTEXTS else ""))
                continue
            if m.kind is not None:
                problems.append(f"{where} is {m.kind}")
            if not m.translation.strip():
                problems.append(f"{where} has no translation")
                continue
            if placeholders(m.translation) != placeholders(key[1]):
                problems.append(f"{where}: the placeholders differ in {m.translation!r}")
            if m.translation.endswith("\n") != key[1].endswith("\n"):
                problems.append(f"{where}: {m.translation!r} differs in its line end")
            if key[0] == T.ENGINE_CONTEXT and '"' in m.translation:
                problems.append(f"{where}: a straight quote, which the resource compiler does not take: use "
                                "the language's quotation marks")
            if (m.translation == key[1] and key[0] not in T.QT_CONTEXTS and ("*", key[1]) not in same
                    and (code, key[1]) not in same and re.search(r"[A-Za-z]{3}", key[1])):
                problems.append(f"{where} is left in English")


def glossary(path):
    return {concept: rule[1:] for concept, rule in T.glossary(path).items()}


def check_glossary(root, problems):
    folder = os.path.join(root, "translations", "glossary")
    concepts = {name: rule[0] for name, rule in glossary(os.path.join(folder, "en.md")).items()}
    if not concepts:
        problems.append("glossary: en.md names no concept")
    for row in T.languages(root):
        language = row["code"]
        if language == "en":
            continue
        path = os.path.join(folder, f"{language}.md")
        if not os.path.exists(path):
            problems.append(f"{language}: no glossary {path}")
            continue
        terms = glossary(path)
        for concept in concepts.keys() - terms.keys():
            problems.append(f"{language}: the glossary has no term for {concept}")
        register = terms.get("register", (None, None))[1]
        try:
            catalogue = T.read_catalogue(T.catalogue_path(language, root))
        except T.Problem:
            continue  # said by the catalogue check
        for context, messages in catalogue.contexts.items():
            if context in T.QT_CONTEXTS:
                continue
            for m in messages:
                if not m.finished:
                    continue
                english, text, where = m.source, m.translation, f"{language}: {context} line {m.line}"
                if register and re.search(register, text):
                    problems.append(f"{where}: {text!r} addresses the user as /{register}/ does")
                named = [concept for concept, finds in concepts.items() if re.search(finds, english, re.I)]
                # Where the English names a concept, the places its term takes in
                # the translation are that concept's, whatever another concept
                # forbids there ("sleep" must never say hibernation, but a text
                # that names hibernation must).
                said = {concept: [s.span() for s in re.finditer(terms[concept][0], text, re.I)]
                        for concept in named if concept in terms and terms[concept][0]}
                for concept in concepts:
                    must, must_not = terms.get(concept, (None, None))
                    if must and concept in named and not said[concept]:
                        problems.append(f"{where}: {text!r} does not say {concept} as /{must}/")
                    if not must_not:
                        continue
                    for found in re.finditer(must_not, text, re.I):
                        if not any(start <= found.start() and found.end() <= end
                                   for other, spans in said.items() if other != concept for start, end in spans):
                            problems.append(f"{where}: {text!r} says /{must_not}/, which is not {concept}")
                            break


def check_tool(root, problems):
    """The build's maker stops on a damaged catalogue, naming its file and line,
    and makes English of what is unfinished, with the values in the language's
    order."""
    english = T.engine_english(root)
    first, second = english[0], next(e for e in english if "%2" in e[1])
    def catalogue(*messages):
        unfinished = ' type="unfinished"'
        body = "".join(f"<message><source>{T.xml_text(s)}</source><comment>{c}</comment>"
                       f"<translation{unfinished if kind else ''}>{T.xml_text(t)}</translation></message>\n"
                       for c, s, t, kind in messages)
        return ('<?xml version="1.0" encoding="utf-8"?>\n<TS version="2.1" language="xx">\n'
                f"<context><name>Quenbytray</name>\n{body}</context>\n</TS>\n")
    complete = [(id_, source, source.replace("%1", "<%1>"), False) for id_, source, _ in english]
    reordered = [(id_, s, "%2 / %1" if id_ == second[0] else t, k) for id_, s, t, k in complete]
    cases = [
        ("XML that does not parse", catalogue(*complete).replace("</context>", "", 1), "the XML does not parse"),
        ("a text the English lacks", catalogue(*complete, ("999", "Gone", "Weg", False)), "has no text 999"),
        ("a missing text", catalogue(*complete[1:]), f"lacks the text {first[0]}"),
        ("a broken placeholder", catalogue(*[(i, s, t.replace("%1", "%3"), k) for i, s, t, k in complete]), "placeholders"),
        ("unfinished is English", catalogue((first[0], first[1], "Xx", True), *complete[1:]), None),
        ("reordered values", catalogue(*reordered), None),
    ]
    saved = T.catalogue_path
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, "quenby_xx.ts")
        T.catalogue_path = lambda code, root=root: path
        try:
            for name, text, refusal in cases:
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text)
                out = os.path.join(scratch, "out.inc")
                try:
                    T.generate("engine", "xx", out)
                    made = open(out, encoding="utf-8").read()
                    if refusal:
                        problems.append(f"tool: {name}: made the table anyway")
                    elif name == "unfinished is English" and f'QUENBY_STRING({first[0]}, "{T.c_escape(first[1])}")' not in made:
                        problems.append(f"tool: {name}: not English")
                    elif name == "reordered values" and f'QUENBY_STRING({second[0]}, "%2 / %1")' not in made:
                        problems.append(f"tool: {name}: the order was not kept")
                except T.Problem as problem:
                    if not refusal or refusal not in str(problem) or path not in str(problem):
                        problems.append(f"tool: {name}: {problem}")
        finally:
            T.catalogue_path = saved


def main():
    root, lupdate, results = sys.argv[1:4]
    generator = sys.argv[4] if len(sys.argv) > 4 else None
    checks = {"catalogues": lambda p: check_catalogues(root, lupdate, generator, p),
              "glossary": lambda p: check_glossary(root, p), "tool": lambda p: check_tool(root, p)}
    cases = []
    for name, check in checks.items():
        problems = []
        try:
            check(problems)
        except T.Problem as problem:
            problems.append(str(problem))
        cases.append((name, problems))
        for problem in problems:
            print(problem)
    return 1 if write_results(results, "quenby_translation_checks", cases) else 0


if __name__ == "__main__":
    sys.exit(main())
