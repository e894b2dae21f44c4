#!/usr/bin/env python3
"""Quenby's translation catalogues: translations/quenby_CODE.ts, one per language,
in Qt's TS format, holding every text of that language:

- the panel's contexts, as lupdate writes them;
- Qt's own texts the panel shows (QPlatformTheme, QLineEdit, ...), where Qt
  ships no translation of its own for the language;
- "Quenbytray", the engine's texts: the comment is the string id of
  engine/strings.inc, the source its English with numbered placeholders;
- "Setup", the installer's texts: the comment is the LangString name of
  packaging/strings.nsh, the source its English, $-variables written %1, %2;
- "Policies", the policy templates' texts, by their English.

The build makes from a catalogue what the programs use (this script's
`generate`); `./dev.sh translations` brings the catalogues up to date with the
English sources (`update`) and checks them.

  translations.py languages FIELD...          the table's rows, tab-separated
  translations.py cmake OUT                   the table as CMake variables
  translations.py generate KIND CODE OUT      KIND: panel | qt | engine | installer | policies
  translations.py update LUPDATE POLICY_GENERATOR
  translations.py tbx OUT                     the glossary for translation platforms

A catalogue that does not parse, or a text with a broken placeholder, stops
`generate` with the file and the line; a text left unfinished is English in
the programs.
"""
import collections
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
ENGINE_CONTEXT = "Quenbytray"
SETUP_CONTEXT = "Setup"
POLICY_CONTEXT = "Policies"
OUR_CONTEXTS = {ENGINE_CONTEXT, SETUP_CONTEXT, POLICY_CONTEXT}
# The contexts of Qt's own texts a user of the panel can meet: message-box and
# dialog buttons, the right-click menus of text fields and spin boxes, the
# drop-down lists and the file chooser.
QT_CONTEXTS = {"QPlatformTheme", "QLineEdit", "QAbstractSpinBox", "QMessageBox", "QFileDialog",
               "QFileSystemModel", "QComboBox"}
COLUMNS = ["code", "windows", "lang", "sublang", "nsis", "direction", "name"]


class Problem(Exception):
    pass


# --- The table of languages ------------------------------------------------------
def languages(root=ROOT):
    """The rows of translations/languages.tsv, in its order, as dicts."""
    rows = []
    path = os.path.join(root, "translations", "languages.tsv")
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.rstrip("\n").split("\t")
            if len(cells) != len(COLUMNS):
                raise Problem(f"{path}:{number}: {len(cells)} columns, not {len(COLUMNS)}")
            rows.append(dict(zip(COLUMNS, cells)))
    return rows


def catalogue_path(code, root=ROOT):
    return os.path.join(root, "translations", f"quenby_{code}.ts")


# --- Catalogues ------------------------------------------------------------------
class Message:
    def __init__(self, source, comment=None, extracomment=None, translation="", kind=None, line=0):
        self.source = source
        self.comment = comment
        self.extracomment = extracomment
        self.translation = translation
        self.kind = kind  # None (finished), "unfinished", "obsolete" or "vanished"
        self.line = line

    @property
    def finished(self):
        return self.kind is None and self.translation != ""


class Catalogue:
    def __init__(self, language, contexts=None, path=None):
        self.language = language
        self.contexts = contexts if contexts is not None else collections.OrderedDict()
        self.path = path

    def messages(self, context):
        return self.contexts.get(context, [])

    def translated(self, context, key):
        """key -> finished translation, for (source) or (comment) keys."""
        out = {}
        for message in self.messages(context):
            if message.finished:
                out[key(message)] = message.translation
        return out


def read_catalogue(path):
    """A catalogue; Problem naming the file and line when it does not parse."""
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except OSError as error:
        raise Problem(f"{path}: {error.strerror}")
    # Line numbers of the messages, for the problems that name them.
    lines = [m.start() for m in re.finditer(r"<message\b", text)]
    line_of = [text.count("\n", 0, at) + 1 for at in lines]
    try:
        root = ET.fromstring(text)
    except ET.ParseError as error:
        raise Problem(f"{path}:{error.position[0]}: the XML does not parse: {error}")
    if root.tag != "TS":
        raise Problem(f"{path}:1: not a TS file")
    catalogue = Catalogue(root.get("language", ""), path=path)
    index = 0
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        messages = catalogue.contexts.setdefault(name, [])
        for message in context.iter("message"):
            translation = message.find("translation")
            line = line_of[index] if index < len(line_of) else 0
            index += 1
            if translation is None:
                raise Problem(f"{path}:{line}: a message without a translation element")
            if translation.find("numerusform") is not None:
                raise Problem(f"{path}:{line}: plural forms are not used by Quenby")
            messages.append(Message(message.findtext("source") or "", message.findtext("comment"),
                                    message.findtext("extracomment"), translation.text or "",
                                    translation.get("type"), line))
    return catalogue


def xml_text(text):
    return escape(text, {'"': "&quot;", "'": "&apos;"})


def write_catalogue(catalogue, path):
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
           f'<TS version="2.1" language="{catalogue.language}">']
    for name, messages in catalogue.contexts.items():
        if not messages:
            continue
        out += ["<context>", f"    <name>{xml_text(name)}</name>"]
        for m in messages:
            out.append("    <message>")
            out.append(f"        <source>{xml_text(m.source)}</source>")
            if m.comment is not None:
                out.append(f"        <comment>{xml_text(m.comment)}</comment>")
            if m.extracomment:
                out.append(f"        <extracomment>{xml_text(m.extracomment)}</extracomment>")
            kind = f' type="{m.kind}"' if m.kind else ""
            out.append(f"        <translation{kind}>{xml_text(m.translation)}</translation>")
            out.append("    </message>")
        out.append("</context>")
    out.append("</TS>")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")


# --- The English sources of the engine and the installer --------------------------------
def c_unescape(text):
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def c_escape(text):
    return text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n").replace("\t", "\\t")


def noted_entries(path, note, entry, encoding="utf-8"):
    """[(match of `entry`, its note)] of a source file, in its order: a line
    matching `note` just before an entry is the note translators read with it
    (several such lines are one note)."""
    entries, comment = [], None
    with open(path, encoding=encoding) as source:
        for line in source:
            found = re.match(note, line)
            if found:
                comment = (comment + " " if comment else "") + found.group(1)
                continue
            match = re.match(entry, line)
            if match:
                entries.append((match, comment))
            comment = None
    return entries


def engine_english(root=ROOT):
    """[(id, English, translator comment)] of engine/strings.inc, in its order;
    a comment line `/*: ... */` just before an entry is its note."""
    return [(m.group(1), c_unescape(m.group(2)), comment)
            for m, comment in noted_entries(os.path.join(root, "engine", "strings.inc"), r"\s*/\*:\s*(.*?)\s*\*/\s*$",
                                            r'QUENBY_STRING\((\d+), "((?:[^"\\]|\\.)*)"\)\s*$')]


NSIS_VARIABLE = re.compile(r"\$(?:R?\d|\{\w+\}|[A-Za-z_]\w*)")


def nsis_unescape(text):
    """NSIS string syntax to plain text; variables stay as they are."""
    out, i = "", 0
    while i < len(text):
        if text.startswith("$\\r$\\n", i):
            out, i = out + "\n", i + 6
        elif text.startswith("$\\", i) and i + 2 < len(text):
            out, i = out + {"n": "\n", "t": "\t", '"': '"', "'": "'", "`": "`"}.get(text[i + 2], text[i + 2]), i + 3
        elif text.startswith("$$", i):
            out, i = out + "\x00", i + 2  # a literal dollar, kept apart from variables
        else:
            out, i = out + text[i], i + 1
    return out


def nsis_escape(text):
    return (text.replace("$", "$$").replace("\x00", "$$").replace('"', '$\\"').replace("\n", "$\\r$\\n")
            .replace("\t", "$\\t"))


def setup_english(root=ROOT):
    """[(name, English with %N, [variables], translator comment)] of
    packaging/strings.nsh; a line `;: ...` just before an entry is its note."""
    entries = []
    for match, comment in noted_entries(os.path.join(root, "packaging", "strings.nsh"), r";:\s*(.*?)\s*$",
                                        r'LangString (\w+) \$\{LANG_ENGLISH\} "(.*)"\s*$', "utf-8-sig"):
        plain = nsis_unescape(match.group(2))
        variables = []
        for variable in NSIS_VARIABLE.findall(plain):
            if variable not in variables:
                variables.append(variable)
        numbered = NSIS_VARIABLE.sub(lambda m: f"%{variables.index(m.group(0)) + 1}", plain)
        entries.append((match.group(1), numbered.replace("\x00", "$"), variables, comment))
    return entries


# What the policy templates' placeholders stand for: the generator puts the
# texts together, so their notes are kept here, by the English.
POLICY_NOTES = {
    "Quenby %1 on Windows 10 and Windows 11": "%1: Quenby's version number, as in 1.4.2.",
    "Sets \"%1\" of Quenby.": "%1: the policy's name, as the line above the explanation shows it.",
    "From %1 to %2.": "The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.",
    "the installed RAM in MB divided by %1": "A bound of a range, or a default. %1: a number such as 4.",
    "Without a policy: %1, unless the user chose otherwise.": "%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.",
    "%1, %2": "Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language's list separator.",
    "One of: %1.": "%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.",
    "A full path, at most %1 characters.": "%1: a number of characters, such as 259.",
    "Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.":
        "Keep the example file names as they are. %1: a number of characters, such as 1023.",
}


def policy_english(generator):
    listed = subprocess.run([generator, "--texts"], check=True, capture_output=True, text=True).stdout
    return [line for line in listed.splitlines() if line]


# --- Placeholders --------------------------------------------------------------------
def placeholders(text):
    return collections.Counter(re.findall(r"%(\d+)", text))


def check_placeholders(where, english, text):
    if placeholders(text) != placeholders(english):
        raise Problem(f"{where}: the placeholders of {text!r} are not those of {english!r}")


# --- generate ------------------------------------------------------------------------
def keyed_translations(catalogue, context, english_keys):
    """(comment, source) -> finished translation of one of our contexts. A text of
    the English that the catalogue lacks altogether, or a text the English does
    not have (and that is not marked obsolete), stops the build: the catalogue
    was not brought up to date (`./dev.sh translations`)."""
    table, present = {}, set()
    for message in catalogue.messages(context):
        if message.kind in ("obsolete", "vanished"):
            continue
        key = (message.comment, message.source)
        if key not in english_keys:
            raise Problem(f"{catalogue.path}:{message.line}: {context} has no text {message.comment} "
                          f"{message.source!r} in English; run ./dev.sh translations")
        present.add(key)
        if message.finished:
            check_placeholders(f"{catalogue.path}:{message.line}", message.source, message.translation)
            table[key] = message.translation
    for key in english_keys:
        if key not in present:
            raise Problem(f"{catalogue.path}: {context} lacks the text {key[0]} {key[1]!r}; run ./dev.sh translations")
    return table


def generate(kind, code, out):
    if kind == "engine":
        english = engine_english()
        table = {}
        if code != "en":
            catalogue = read_catalogue(catalogue_path(code))
            table = keyed_translations(catalogue, ENGINE_CONTEXT, {(id_, source) for id_, source, _ in english})
            for message in catalogue.messages(ENGINE_CONTEXT):
                if message.finished and '"' in message.translation:
                    raise Problem(f"{catalogue.path}:{message.line}: a straight quote, which the resource "
                                  "compiler does not take: use the language's quotation marks")
        lines = [f"/* The engine's string table in {code}, made from {os.path.basename(catalogue_path(code))}. */"]
        for id_, source, _ in english:
            # What is not translated (yet) is English.
            text = table.get((id_, source), source)
            lines.append(f'QUENBY_STRING({id_}, "{c_escape(text)}")')
        write_if_changed(out, "\n".join(lines) + "\n")
    elif kind == "installer":
        row = next(r for r in languages() if r["code"] == code)
        english = setup_english()
        table = {}
        if code != "en":
            catalogue = read_catalogue(catalogue_path(code))
            table = keyed_translations(catalogue, SETUP_CONTEXT, {(name, source) for name, source, _, _ in english})
        lines = [f"; The installer's texts in {row['name']}, made from {os.path.basename(catalogue_path(code))}."]
        for name, source, variables, _ in english:
            text = table.get((name, source), source)
            escaped = nsis_escape(text)
            escaped = re.sub(r"%(\d+)", lambda m: variables[int(m.group(1)) - 1], escaped)
            lines.append(f'LangString {name} ${{LANG_{row["nsis"].upper()}}} "{escaped}"')
        write_if_changed(out, "\ufeff" + "\n".join(lines) + "\n")
    elif kind == "policies":
        catalogue = read_catalogue(catalogue_path(code))
        lines = [f"/* The policy templates' texts in {code}, made from {os.path.basename(catalogue.path)}. */"]
        for message in catalogue.messages(POLICY_CONTEXT):
            if message.finished:
                check_placeholders(f"{catalogue.path}:{message.line}", message.source, message.translation)
                lines.append(f'QUENBY_POLICY_TEXT("{c_escape(message.source)}", "{c_escape(message.translation)}")')
        write_if_changed(out, "\n".join(lines) + "\n")
    elif kind in ("panel", "qt"):
        # The panel's texts, or Qt's own ones the catalogue translates (where
        # Qt has none of its own for the language), for lrelease.
        catalogue = read_catalogue(catalogue_path(code))
        for name in list(catalogue.contexts):
            if name in OUR_CONTEXTS or (name in QT_CONTEXTS) != (kind == "qt"):
                del catalogue.contexts[name]
        for name, messages in catalogue.contexts.items():
            for message in messages:
                if message.finished:
                    check_placeholders(f"{catalogue.path}:{message.line}", message.source, message.translation)
        write_catalogue(catalogue, out + ".new")
        replace_if_changed(out)
    else:
        raise Problem(f"unknown kind {kind!r}")


def write_if_changed(path, text):
    with open(path + ".new", "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    replace_if_changed(path)


def replace_if_changed(path):
    """Keeps the older file (and its time) when nothing changed, so that the build
    does not redo what depends on it."""
    new = path + ".new"
    if os.path.exists(path):
        with open(path, "rb") as a, open(new, "rb") as b:
            if a.read() == b.read():
                os.remove(new)
                return
    os.replace(new, path)


# --- update --------------------------------------------------------------------------
def merged(old_messages, wanted):
    """Our contexts brought in line with the English: `wanted` is [(comment, source,
    extracomment)]. A kept text keeps its translation; one whose English changed
    keeps it as unfinished; a new one is unfinished; one gone is obsolete."""
    by_comment = {}
    for message in old_messages:
        by_comment.setdefault((message.comment, message.source), message)
        if message.comment is not None:
            by_comment.setdefault((message.comment, None), message)
    out, used = [], set()
    for comment, source, extra in wanted:
        old = by_comment.get((comment, source)) or (by_comment.get((comment, None)) if comment else None)
        if old is not None:
            used.add(id(old))
        kind = None if old is not None and old.source == source and old.kind is None else "unfinished"
        translation = old.translation if old is not None else ""
        out.append(Message(source, comment, extra, translation, kind if translation or kind else "unfinished"))
    for message in old_messages:
        if id(message) not in used and message.kind != "obsolete" and message.translation:
            out.append(Message(message.source, message.comment, message.extracomment, message.translation,
                               "obsolete"))
    return out


def update(lupdate, generator):
    engine = [(id_, source, comment) for id_, source, comment in engine_english()]
    setup = [(name, source, comment) for name, source, _, comment in setup_english()]
    policies = [(None, source, POLICY_NOTES.get(source)) for source in policy_english(generator)]
    for row in languages():
        if row["code"] == "en":
            continue
        path = catalogue_path(row["code"])
        catalogue = read_catalogue(path) if os.path.exists(path) else Catalogue(row["code"])
        with tempfile.TemporaryDirectory() as scratch:
            panel_ts = os.path.join(scratch, f"panel_{row['code']}.ts")
            panel = Catalogue(catalogue.language or row["code"], collections.OrderedDict(
                (name, messages) for name, messages in catalogue.contexts.items()
                if name not in OUR_CONTEXTS and name not in QT_CONTEXTS))
            write_catalogue(panel, panel_ts)
            subprocess.run([lupdate, "-silent", "-locations", "none", os.path.join(ROOT, "panel"), "-ts", panel_ts],
                           check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            panel = read_catalogue(panel_ts)
        contexts = collections.OrderedDict(panel.contexts)
        for name in sorted(QT_CONTEXTS & catalogue.contexts.keys()):
            contexts[name] = catalogue.contexts[name]
        contexts[ENGINE_CONTEXT] = merged(catalogue.messages(ENGINE_CONTEXT), engine)
        contexts[SETUP_CONTEXT] = merged(catalogue.messages(SETUP_CONTEXT), setup)
        contexts[POLICY_CONTEXT] = merged(catalogue.messages(POLICY_CONTEXT), policies)
        write_catalogue(Catalogue(catalogue.language or row["code"], contexts), path)


# --- The glossary as TBX -------------------------------------------------------------------
def glossary(path):
    """concept -> (term, must match, must not match) of a glossary file."""
    rows = {}
    with open(path, encoding="utf-8") as md:
        for line in md:
            cells = [c.strip() for c in re.split(r"(?<!\\)\|", line.strip())[1:-1]]
            if len(cells) < 3 or not re.fullmatch(r"[a-z][a-z-]*", cells[0]):
                continue
            pattern = lambda cell: cell.strip("`").replace("\\|", "|") if cell.strip("` ") else None
            rows[cells[0]] = (cells[1],) + tuple(pattern(c) for c in cells[2:4]) + ((None,) if len(cells) < 4 else ())
    return rows


def tbx(out):
    folder = os.path.join(ROOT, "translations", "glossary")
    english = glossary(os.path.join(folder, "en.md"))
    terms = {row["code"]: glossary(os.path.join(folder, f"{row['code']}.md")) for row in languages()
             if row["code"] != "en" and os.path.exists(os.path.join(folder, f"{row['code']}.md"))}
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<tbx type="TBX-Basic" style="dca" xml:lang="en" xmlns="urn:iso:std:iso:30042:ed-2">',
             "  <tbxHeader><fileDesc><sourceDesc><p>Quenby's glossary, made from translations/glossary/*.md"
             "</p></sourceDesc></fileDesc></tbxHeader>", "  <text><body>"]
    for concept, (meaning, _, _) in english.items():
        lines.append(f'    <conceptEntry id="{concept}">')
        lines.append(f'      <descrip type="definition">{xml_text(meaning)}</descrip>')
        lines.append(f'      <langSec xml:lang="en"><termSec><term>{concept.replace("-", " ")}</term></termSec></langSec>')
        for code, rows in terms.items():
            if concept in rows and rows[concept][0]:
                lang = code.replace("_", "-")
                lines.append(f'      <langSec xml:lang="{lang}"><termSec><term>{xml_text(rows[concept][0].strip("`"))}'
                             "</term></termSec></langSec>")
        lines.append("    </conceptEntry>")
    lines += ["  </body></text>", "</tbx>"]
    write_if_changed(out, "\n".join(lines) + "\n")


# --- The table for CMake --------------------------------------------------------------------
def cmake(out):
    """The table as CMake variables, and beside it as the C++ rows of common/languages.cpp."""
    rows = [f'    {{"{row["code"]}", "{row["windows"]}"}},' for row in languages()]
    write_if_changed(os.path.join(os.path.dirname(out), "quenby_languages.inc"),
                     "/* Made from translations/languages.tsv by tools/translations.py. */\n" + "\n".join(rows) + "\n")
    lines = ["# Made from translations/languages.tsv by tools/translations.py.", 'set(QUENBY_LANGUAGES "")']
    for row in languages():
        code = row["code"]
        for column in COLUMNS[1:6]:
            lines.append(f'set(QUENBY_LANGUAGE_{code}_{column.upper()} "{row[column]}")')
        lines.append(f"list(APPEND QUENBY_LANGUAGES {code})")
    write_if_changed(out, "\n".join(lines) + "\n")


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        command = argv[1]
        if command == "languages":
            for row in languages():
                print("\t".join(row[field] for field in argv[2:]))
        elif command == "cmake":
            cmake(argv[2])
        elif command == "generate":
            generate(argv[2], argv[3], argv[4])
        elif command == "update":
            update(argv[2], argv[3])
        elif command == "tbx":
            tbx(argv[2])
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except Problem as problem:
        print(f"translations: {problem}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
