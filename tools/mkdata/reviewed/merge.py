#!/usr/bin/env python3
"""Merges reviewers' answers into the reviewed word list.

    merge.py WORDS_TSV ANSWER [ANSWER ...]

Each answer holds lines "word<TAB>F<TAB>D" for one sheet of sheets.py. Lines are checked
(F in 1-5 or X, D "ok", "-" or a definition of at most 250 bytes that starts with a capital
and ends with a full stop); a word already in the list takes the newer judgement. The list is
written back sorted, after its comment lines. Prints what it refused."""
import sys

LIMIT = 250


def problem(fields):
    if len(fields) != 3 or not fields[0] or not fields[2]:
        return "expected three fields"
    word, grade, definition = fields
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
