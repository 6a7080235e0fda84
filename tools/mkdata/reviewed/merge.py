#!/usr/bin/env python3
"""Merges reviewers' answers into the reviewed word list.

    merge.py WORDS_TSV ANSWER [ANSWER ...]

Each answer holds lines "word<TAB>F<TAB>D" (a judgement, for one sheet of sheets.py),
"word<TAB>F<TAB>C<TAB>D" (a whole line of the list) or "word<TAB>C" (the category of the
word's own definition). Lines are checked (F in 1-5 or X, D "ok", "-" or a definition of at
most 250 bytes that starts with a capital and ends with a full stop); a word already in the
list takes the newer answer. The list is written back sorted, after its comment lines.
Prints what it refused."""
import sys

LIMIT = 250


def problem(fields):
    if len(fields) != 4 or not all(fields):
        return "expected a word, a judgement, a category and a definition"
    word, grade, _, definition = fields
    if grade not in ("1", "2", "3", "4", "5", "X"):
        return "F must be 1-5 or X"
    if definition in ("ok", "-"):
        return None
    if len(definition.encode("utf-8")) > LIMIT:
        return "definition too long"
    if not definition[0].isupper() or definition[-1] not in ".!?":
        return "a definition starts with a capital and ends with a full stop"
    return None


def main():
    target = sys.argv[1]
    header, words = [], {}
    for line in open(target, encoding="utf-8"):
        line = line.rstrip("\n")
        if line.startswith("#"):
            header.append(line)
        elif line:
            words[line.split("\t", 1)[0]] = line
    for answer in sys.argv[2:]:
        for number, line in enumerate(open(answer, encoding="utf-8"), 1):
            fields = line.rstrip("\n").split("\t")
            if fields == [""]:
                continue
            fields = [f.strip() for f in fields]
            if len(fields) == 2 and fields[0] in words:
                old = words[fields[0]].split("\t")
                fields = [old[0], old[1], fields[1] if old[3] not in ("ok", "-") else "-", old[3]]
            elif len(fields) == 3:
                fields = [fields[0], fields[1], "-", fields[2]]
            why = problem(fields)
            if why:
                print(f"{answer}:{number}: {why}: {line.rstrip()}")
                continue
            words[fields[0]] = "\t".join(fields)
    with open(target, "w", encoding="utf-8") as out:
        for line in header:
            out.write(line + "\n")
        for word in sorted(words):
            out.write(words[word] + "\n")


if __name__ == "__main__":
    main()
