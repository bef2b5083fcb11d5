#!/usr/bin/env python3
"""Generates the many-small-files corpus for bench/compare.sh.

    make_tree.py DEST [--files N] [--seed S] [--text TEXT]

Writes N small text files (default 100,000) into DEST, spread over three levels of
folders, with mixed extensions. About one file in thirty holds TEXT (default pm_resume)
in some spelling of its case; others hold near misses that no line-wise search may
report (the text broken by a line end, or with one letter changed). The tree also holds
a hidden folder, a link to a folder elsewhere in the tree, a link back to an ancestor
(a loop that every walker must skip) and a dangling link, so that the walkers are
compared on those too.

The same arguments always give the same tree. Only ASCII lower-case extensions are
used, because ripgrep's -g and grep's --include compare the mask with case kept while
search_bench ignores case, and no NUL bytes, because the peers search on past a NUL.
"""

import argparse
import os
import random
import sys

# (extension, weight): names end in these; "" is a name without an extension.
EXTENSIONS = [
    (".c", 30), (".h", 15), (".txt", 10), (".py", 8), (".md", 5), (".json", 5),
    (".cpp", 5), ("", 5), (".c.orig", 4), (".tar.gz", 3), (".cc", 3), (".s", 2),
    (".c_", 2), (".xc", 2), (".conf", 1),
]

WORDS = (
    "static int void struct return if else for while unsigned long char const "
    "device driver resume suspend power state pm_runtime pm_suspend lock unlock "
    "buffer count error status value result init exit probe remove table entry "
    "list node head next prev flags mask reg base addr size offset data info"
).split()


def spellings(text):
    """The ways a hit spells the text: as given, upper case, and mixed case."""
    mixed = "".join(c.upper() if i % 2 else c.lower() for i, c in enumerate(text))
    return [text, text.upper(), mixed]


def near_misses(text):
    """Lines that look like the text but hold no line with it."""
    half = max(1, len(text) // 2)
    changed = text[:-1] + ("x" if text[-1] != "x" else "y")
    return [
        text[:half] + "\n" + text[half:],      # broken by LF
        text[:half] + "\r" + text[half:],      # broken by a lone CR
        text[:half] + "\r\n" + text[half:],    # broken by CR LF
        changed,                               # one letter off
        text[:half] + " " + text[half:],       # a space inside
    ]


def make_line(rng):
    return " ".join(rng.choice(WORDS) for _ in range(rng.randint(2, 12)))


def make_content(rng, text):
    """One file's bytes: a few to a hundred lines, sometimes with a hit or a near miss."""
    line_end = "\r\n" if rng.random() < 0.1 else "\n"
    lines = [make_line(rng) for _ in range(rng.randint(0, 60))]
    roll = rng.random()
    if roll < 0.033:
        where = rng.randint(0, len(lines))
        word = rng.choice(spellings(text))
        lines.insert(where, make_line(rng) + " " + word + "(dev);")
    elif roll < 0.066:
        lines.insert(rng.randint(0, len(lines)), rng.choice(near_misses(text)))
    body = line_end.join(lines)
    if lines and rng.random() < 0.8:
        body += line_end  # the rest end without a line end
    return body.encode("ascii")


def pick_extension(rng):
    return rng.choices([e for e, _ in EXTENSIONS], weights=[w for _, w in EXTENSIONS])[0]


def leaf_folders(dest):
    """1,000 leaf folders three levels deep, plus a hidden one."""
    folders = []
    for a in range(10):
        for b in range(10):
            for c in range(10):
                folders.append(os.path.join(dest, f"d{a}", f"s{b}", f"t{c}"))
    folders.append(os.path.join(dest, "d0", ".hidden"))
    return folders


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("dest")
    parser.add_argument("--files", type=int, default=100_000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--text", default="pm_resume")
    args = parser.parse_args()
    if not args.text or any(c in args.text for c in "\r\n\0") or not args.text.isascii():
        sys.exit("make_tree.py: the text must be non-empty ASCII without line ends")
    if os.path.exists(args.dest) and os.listdir(args.dest):
        sys.exit(f"make_tree.py: {args.dest} is not empty")

    rng = random.Random(args.seed)
    folders = leaf_folders(args.dest)
    for folder in folders:
        os.makedirs(folder, exist_ok=True)
    for i in range(args.files):
        folder = folders[i % len(folders)]
        # A few hidden files, whose names begin with a dot.
        prefix = "." if rng.random() < 0.02 else ""
        name = f"{prefix}f{i:06d}{pick_extension(rng)}"
        with open(os.path.join(folder, name), "wb") as out:
            out.write(make_content(rng, args.text))

    # Links: a folder reached a second way, a loop back up, a dangling one, a file link.
    os.symlink(os.path.join("..", "..", "..", "d9", "s9", "t9"), os.path.join(args.dest, "d0", "s0", "t0", "other"))
    os.symlink(os.path.join("..", ".."), os.path.join(args.dest, "d1", "s1", "t1", "loop"))
    os.symlink("nowhere.c", os.path.join(args.dest, "d2", "s2", "t2", "dangling.c"))
    first_c = next(n for n in sorted(os.listdir(folders[3])) if n.endswith(".c"))
    os.symlink(first_c, os.path.join(folders[3], "alias_of_" + first_c))


if __name__ == "__main__":
    main()
