#!/usr/bin/env python3
"""Builds the six SCOWL-based word lists in data/words/ from Debian's scowl package.

Run once by a developer (apt-get install scowl); the build never needs scowl. Each list takes
lower-case a-z words of english-words plus australian-words up to a SCOWL size level, keeps a band
of word lengths, and is thinned to the size its name promises by a fixed hash, so a rerun gives
the same lists. SCOWL's smaller sizes hold the commoner words, so the first list (common words of
3 to 7 letters) suits a young child and the later ones ask more.
"""
import hashlib
import os
import re
import shutil
import sys

SCOWL = "/usr/share/dict/scowl"
LEVELS = [10, 20, 35, 40, 50, 55, 60, 70]
HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "data", "words")

# file name: (lowest SCOWL level, highest SCOWL level, shortest, longest, size or None for all)
LISTS = {
    "Australian English Dictionary.txt": (10, 40, 1, 23, None),
    "SmarterKid 1.txt": (10, 20, 3, 7, 5000),
    "SmarterKid 2.txt": (10, 20, 8, 10, 3000),
    "SmarterKid 3.txt": (35, 35, 3, 7, 8000),
    "SmarterKid 4.txt": (35, 35, 8, 10, 4000),
    "SmarterKid 5.txt": (10, 50, 5, 12, 34000),
}


def words_by_level():
    level_of = {}
    for level in LEVELS:
        for kind in ("english-words", "australian-words"):
            path = os.path.join(SCOWL, f"{kind}.{level}")
            if not os.path.exists(path):
                continue
            with open(path, encoding="utf-8", errors="replace") as f:
                for line in f:
                    word = line.strip()
                    if re.fullmatch(r"[a-z]+", word) and word not in level_of:
                        level_of[word] = level
    return level_of


def stable_key(word):
    return hashlib.sha256(word.encode()).hexdigest()


def main():
    if not os.path.isdir(SCOWL):
        sys.exit("make-word-lists: install Debian's scowl package first")
    level_of = words_by_level()
    for name, (low, high, shortest, longest, size) in LISTS.items():
        chosen = [w for w, level in level_of.items()
                  if low <= level <= high and shortest <= len(w) <= longest]
        if size is not None and len(chosen) > size:
            chosen = sorted(chosen, key=stable_key)[:size]
        chosen.sort()
        with open(os.path.join(OUT, name), "w", encoding="ascii", newline="\r\n") as f:
            f.write("\n".join(chosen) + "\n")
        print(f"{name}: {len(chosen)} words")
    shutil.copy("/usr/share/doc/scowl/copyright", os.path.join(OUT, "SCOWL-COPYRIGHT"))


if __name__ == "__main__":
    main()
