#!/usr/bin/env python3
"""Turns a question bank file (resources/bank/questions.<lang>.json) into a
C++ table the program is built with, so that start-up reads no JSON.

Usage: bank-to-cpp.py BANK.json VARIABLE OUTPUT.cpp

Fails, naming what is wrong, when the file does not have the bank's shape:
ten chapters with known ids and titles, questions numbered 1..n in order,
each with a known chapter, a question, an answer, three distractors and an
explanation, none of them empty.
"""
import json
import sys

CHAPTER_IDS = ["rights", "who", "history", "modern", "government",
               "elections", "justice", "symbols", "economy", "regions"]
CAPACITY = 200


def literal(text):
    """A C++ string literal holding text as UTF-8."""
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    if any(ord(c) < 32 for c in escaped):
        raise ValueError(f"a control character in {text!r}")
    return f'"{escaped}"'


def text(entry, key, where):
    value = entry.get(key)
    if not isinstance(value, str) or not value:
        raise ValueError(f"{where}: no {key}")
    return value


def generate(bank, variable):
    titles = {c.get("id"): c.get("title") for c in bank.get("chapters", [])}
    if sorted(titles) != sorted(CHAPTER_IDS) or not all(titles.values()):
        raise ValueError("the ten chapters, each with its id and title, are needed")
    questions = bank.get("questions", [])
    if not 1 <= len(questions) <= CAPACITY:
        raise ValueError(f"{len(questions)} questions: 1 to {CAPACITY} are needed")
    lines = ['// Made by scripts/bank-to-cpp.py from the bank file; edit that instead.',
             '#include "bank/builtin_bank.h"', '', 'namespace veltrano {', '',
             f'extern const BuiltInBank {variable};',
             f'const BuiltInBank {variable}{{',
             f'    {literal(text(bank, "reviewed", "the bank"))},',
             '    {' + ', '.join(literal(titles[c]) for c in CHAPTER_IDS) + '},',
             '    {{']
    for number, entry in enumerate(questions, 1):
        where = f"question {number}"
        if entry.get("number") != number:
            raise ValueError(f"{where} is out of order")
        if entry.get("chapter") not in CHAPTER_IDS:
            raise ValueError(f"{where}: unknown chapter {entry.get('chapter')!r}")
        distractors = entry.get("distractors")
        if not isinstance(distractors, list) or len(distractors) != 3 or \
                not all(isinstance(d, str) and d for d in distractors):
            raise ValueError(f"{where}: three distractors are needed")
        choices = [text(entry, "answer", where)] + distractors
        lines.append(f'        {{{CHAPTER_IDS.index(entry["chapter"]) + 1}, '
                     f'{literal(text(entry, "question", where))},')
        lines.append('         {' + ', '.join(literal(c) for c in choices) + '},')
        lines.append(f'         {literal(text(entry, "explanation", where))}}},')
    lines += ['    }},', f'    {len(questions)},', '};', '', '} // namespace veltrano', '']
    return "\n".join(lines)


def main():
    source, variable, output = sys.argv[1:4]
    with open(source, encoding="utf-8") as file:
        bank = json.load(file)
    try:
        code = generate(bank, variable)
    except ValueError as problem:
        sys.exit(f"{source}: {problem}")
    with open(output, "w", encoding="utf-8") as file:
        file.write(code)


if __name__ == "__main__":
    main()
