#!/usr/bin/env python3
"""Fails when a text the user can see escapes tr(), or has no French.

Runs lupdate over the windows layer into a scratch .ts file; lupdate's
complaints (a tr() it cannot attribute to a class) fail the check. Then every
literal sentence written without tr() (QStringLiteral, QLatin1String,
QString::fromLatin1) must be listed in i18n/not-translated.txt as something
that is not words for the user (a font family, a program's name).

Every text of the windows layer must also be translated in
i18n/veltrano_fr.ts: none unfinished, none empty, none missing, with the
same placeholders (%1, %n), line breaks and access key (&) as its source.

Usage: check-translatable.py LUPDATE SOURCE_DIR
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

LITERAL = re.compile(r'(?:QStringLiteral|QLatin1String|QString::fromLatin1)\(\s*"((?:[^"\\]|\\.)*)"\s*\)')


def looks_like_words(text):
    # A sentence or a phrase: two words, or ending as a sentence does.
    return bool(re.search(r"[A-Za-z]", text)) and (" " in text.strip() or text.endswith((".", "?", ":", "!")))


PLACEHOLDER = re.compile(r"%(?:\d+|n)")
ACCESS_KEY = re.compile(r"&[^&\s]")


def shape(text):
    """What a translation must keep of its source: placeholders, line breaks, an access key."""
    return (sorted(PLACEHOLDER.findall(text)), text.count("\n"),
            bool(ACCESS_KEY.search(text.replace("&&", ""))))


def translation_problems(ts_path, sources):
    """The French .ts file's faults, and how many texts it translates."""
    problems, translated, present = [], 0, set()
    for context in ElementTree.parse(ts_path).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            present.add(source)
            where = f"{name}: \"{source}\""
            if translation is None or translation.get("type") == "unfinished":
                problems.append(f"unfinished: {where}")
            elif translation.get("type") in ("vanished", "obsolete"):
                continue
            elif not (translation.text or "").strip():
                problems.append(f"empty: {where}")
            elif shape(translation.text) != shape(source):
                problems.append(f"placeholders, line breaks or access key differ: {where}")
            else:
                translated += 1
    problems += [f"missing (run the update_translations target): \"{source}\""
                 for source in sorted(sources - present)]
    return problems, translated


def main():
    lupdate, source_dir = sys.argv[1], pathlib.Path(sys.argv[2])
    sources = [source_dir / "src" / "windows", source_dir / "src" / "main.cpp"]
    with tempfile.TemporaryDirectory() as scratch:
        ts = pathlib.Path(scratch) / "check.ts"
        run = subprocess.run([lupdate, "-locations", "none", *map(str, sources), "-ts", str(ts)],
                             capture_output=True, text=True)
        complaints = [line for line in (run.stdout + run.stderr).splitlines()
                      if "warning" in line.lower() or "error" in line.lower()]
        if run.returncode != 0 or complaints:
            print("lupdate could not read every tr():", *complaints, sep="\n  ")
            return 1
        found = [m.text for m in ElementTree.parse(ts).iter("source")]
        # main.cpp's only text answers --help before any translation is loaded.
        windows_texts = {message.findtext("source")
                         for context in ElementTree.parse(ts).iter("context")
                         if context.findtext("name") != "main"
                         for message in context.iter("message")}
    allowed = {line.strip() for line in (source_dir / "i18n" / "not-translated.txt").read_text().splitlines()
               if line.strip() and not line.startswith("#")}
    escaped = []
    for path in sorted((source_dir / "src" / "windows").rglob("*.cpp")) + [source_dir / "src" / "main.cpp"]:
        for number, line in enumerate(path.read_text().splitlines(), 1):
            for text in LITERAL.findall(line):
                if looks_like_words(text) and text not in allowed:
                    escaped.append(f"{path.relative_to(source_dir)}:{number}: \"{text}\"")
    print(f"lupdate found {len(found)} translatable texts in the windows layer.")
    french, translated = translation_problems(source_dir / "i18n" / "veltrano_fr.ts", windows_texts)
    print(f"i18n/veltrano_fr.ts translates {translated} texts into French.")
    if escaped:
        print("Texts the user sees that do not go through tr():", *escaped, sep="\n  ")
    if french:
        print("French texts to finish in i18n/veltrano_fr.ts:", *french, sep="\n  ")
    return 1 if escaped or french else 0


if __name__ == "__main__":
    sys.exit(main())
