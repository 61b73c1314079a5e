#!/usr/bin/env python3
"""Fails when a text the user can see escapes tr().

Runs lupdate over the windows layer into a scratch .ts file; lupdate's
complaints (a tr() it cannot attribute to a class) fail the check. Then every
literal sentence written without tr() (QStringLiteral, QLatin1String,
QString::fromLatin1) must be listed in i18n/not-translated.txt as something
that is not words for the user (a font family, a program's name).

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
    allowed = {line.strip() for line in (source_dir / "i18n" / "not-translated.txt").read_text().splitlines()
               if line.strip() and not line.startswith("#")}
    escaped = []
    for path in sorted((source_dir / "src" / "windows").rglob("*.cpp")) + [source_dir / "src" / "main.cpp"]:
        for number, line in enumerate(path.read_text().splitlines(), 1):
            for text in LITERAL.findall(line):
                if looks_like_words(text) and text not in allowed:
                    escaped.append(f"{path.relative_to(source_dir)}:{number}: \"{text}\"")
    print(f"lupdate found {len(found)} translatable texts in the windows layer.")
    if escaped:
        print("Texts the user sees that do not go through tr():", *escaped, sep="\n  ")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
