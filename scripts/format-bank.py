#!/usr/bin/env python3
"""Rewrites question bank files (resources/bank/questions.*.json) in the
house layout: one chapter per line, one block per question with each field on
its own line, UTF-8 as written. Run it after editing a bank file by hand, so
that diffs show only what changed.

Usage: format-bank.py FILE...
"""
import json
import sys


def text(value):
    return json.dumps(value, ensure_ascii=False)


def layout(bank):
    lines = ["{", f'  "language": {text(bank["language"])},', f'  "reviewed": {text(bank["reviewed"])},',
             '  "chapters": [']
    lines.append(",\n".join(f'    {{"id": {text(c["id"])}, "title": {text(c["title"])}}}'
                            for c in bank["chapters"]))
    lines += ["  ],", '  "questions": [']
    blocks = []
    for q in bank["questions"]:
        blocks.append("\n".join([
            "    {",
            f'      "number": {q["number"]},',
            f'      "chapter": {text(q["chapter"])},',
            f'      "question": {text(q["question"])},',
            f'      "answer": {text(q["answer"])},',
            f'      "distractors": {text(q["distractors"])},',
            f'      "explanation": {text(q["explanation"])}',
            "    }"]))
    lines += [",\n".join(blocks), "  ]", "}"]
    return "\n".join(lines) + "\n"


for path in sys.argv[1:]:
    with open(path, encoding="utf-8") as file:
        bank = json.load(file)
    with open(path, "w", encoding="utf-8") as file:
        file.write(layout(bank))
