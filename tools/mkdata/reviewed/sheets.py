#!/usr/bin/env python3
"""Review sheets from a `mkdata --dump` listing (level, word, long form, short form).

    sheets.py DUMP OUTFOLDER PARTS [REVIEWED]

splits the words into PARTS sheets (sheet-1.txt ...), one word a line: the word, a tab,
and the definition the game shows when the word is found. Words that REVIEWED (a
words.tsv) already holds are left out, so that a later edition reviews only what is new."""
import sys


def main():
    dump, out, parts = sys.argv[1], sys.argv[2], int(sys.argv[3])
    done = set()
    if len(sys.argv) > 4:
        for line in open(sys.argv[4], encoding="utf-8"):
            if line.strip() and not line.startswith("#"):
                done.add(line.split("\t", 1)[0])
    rows = []
    for line in open(dump, encoding="utf-8"):
        _, word, full, _ = line.rstrip("\n").split("\t")
        if word.lower() not in done:
            rows.append((word.lower(), full))
    for part in range(parts):
        with open(f"{out}/sheet-{part + 1}.txt", "w", encoding="utf-8") as f:
            for word, full in rows[part::parts]:
                f.write(f"{word}\t{full}\n")


if __name__ == "__main__":
    main()
