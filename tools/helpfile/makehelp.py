#!/usr/bin/env python3
"""Builds the game's help from its source text.

Usage: makehelp.py SOURCE.txt --hlp OUT.hlp [--html OUT.html]
"""
import argparse
import os
import sys

# The build runs this from the source tree, which it must leave as it found it.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from helpsource import SourceError, read_help_source  # noqa: E402
from hlpwriter import help_file_bytes  # noqa: E402
from htmlwriter import help_page  # noqa: E402


def write_atomically(path, data):
    # A half-written help file must never be left beside the game for the viewer to choke on.
    temporary = path + ".part"
    try:
        with open(temporary, "wb") as out:
            out.write(data)
        os.replace(temporary, path)
    finally:
        if os.path.exists(temporary):
            os.remove(temporary)


def main():
    parser = argparse.ArgumentParser(description="Write a WinHelp 3.1 file (and an HTML page) from help source.")
    parser.add_argument("source")
    parser.add_argument("--hlp", required=True)
    parser.add_argument("--html")
    arguments = parser.parse_args()
    # Both files are made in memory first, so a source that fails leaves neither behind.
    try:
        source = read_help_source(arguments.source)
        outputs = [(arguments.hlp, help_file_bytes(source))]
        if arguments.html:
            outputs.append((arguments.html, help_page(source).encode("utf-8")))
        for path, data in outputs:
            write_atomically(path, data)
    except (SourceError, ValueError, OSError) as problem:
        print(f"makehelp: {problem}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
