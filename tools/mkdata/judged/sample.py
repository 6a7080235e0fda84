#!/usr/bin/env python3
"""Blind judging samples from a `mkdata --dump` listing (level, word, long form, short form).

    sample.py DUMP OUTFOLDER [SEED]

writes definitions.txt (200 drawable words with both forms of their definition, no level),
definitions-low.txt (100 more of levels 1-2, the words a beginner meets most) and levels.txt (100 words of levels 1-2 and 100 of levels 3-4, shuffled together, words
only). The same dump and seed give the same samples."""
import random
import sys


def write_definitions(path, picked):
    with open(path, "w", encoding="utf-8") as f:
        f.write("Pour chaque mot : sa définition complète (montrée quand le mot est trouvé)\n"
                "et sa forme courte (montrée comme indice tant qu'il reste à trouver).\n\n")
        for n, (_, word, full, short) in enumerate(picked, 1):
            f.write(f"{n}. {word}\n   complète : {full}\n   courte : {short}\n\n")


def main():
    dump, out = sys.argv[1], sys.argv[2]
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 2026
    rows = []
    for line in open(dump, encoding="utf-8"):
        level, word, full, short = line.rstrip("\n").split("\t")
        rows.append((int(level), word, full, short))
    rng = random.Random(seed)
    picked = rng.sample(rows, 200)
    write_definitions(f"{out}/definitions.txt", picked)
    rest = [r for r in rows if r not in picked and r[0] in (1, 2)]
    write_definitions(f"{out}/definitions-low.txt", rng.sample(rest, 100))
    low = [r[1] for r in rows if r[0] in (1, 2)]
    high = [r[1] for r in rows if r[0] in (3, 4)]
    words = rng.sample(low, 100) + rng.sample(high, 100)
    rng.shuffle(words)
    with open(f"{out}/levels.txt", "w", encoding="utf-8") as f:
        for n, word in enumerate(words, 1):
            f.write(f"{n}. {word}\n")


if __name__ == "__main__":
    main()
