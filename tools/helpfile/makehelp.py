#!/usr/bin/env python3
"""Builds the game's help from its source text.

Usage: makehelp.py SOURCE.txt --hlp OUT.hlp [--html OUT.html] [--date SECONDS] [--contexts HEADER.h]

The topic lines may name their context numbers as HEADER.h's #define lines do (the game's
resources/resource.h), so that the numbers are written once, where the game reads them too.

The .hlp file records the date it was made. So that every build of the same sources writes the same
bytes, that date is never the clock's: it is SOURCE_DATE_EPOCH when set, else --date (the build passes
the date of the last commit), else the time the help source was last changed.
"""
import argparse
import os
import sys

# The build runs this from the source tree, which it must leave as it found it.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from helpsource import SourceError, read_context_numbers, read_help_source  # noqa: E402
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


def making_date(given, source_path):
    if "SOURCE_DATE_EPOCH" in os.environ:
        return int(os.environ["SOURCE_DATE_EPOCH"])
    if given is not None:
        return given
    return int(os.stat(source_path).st_mtime)


def main():
    parser = argparse.ArgumentParser(description="Write a WinHelp 3.1 file (and an HTML page) from help source.")
    parser.add_argument("source")
    parser.add_argument("--hlp", required=True)
    parser.add_argument("--html")
    parser.add_argument("--date", type=int, help="seconds since 1970, used when SOURCE_DATE_EPOCH is not set")
    parser.add_argument("--contexts", help="a C header whose #define lines name the context numbers")
    arguments = parser.parse_args()
    # Both files are made in memory first, so a source that fails leaves neither behind.
    try:
        named = read_context_numbers(arguments.contexts) if arguments.contexts else {}
        source = read_help_source(arguments.source, named)
        outputs = [(arguments.hlp, help_file_bytes(source, making_date(arguments.date, arguments.source)))]
        if arguments.html:
            outputs.append((arguments.html, help_page(source).encode("utf-8")))
        for path, data in outputs:
            write_atomically(path, data)
    except (SourceError, ValueError, UnicodeEncodeError, OSError) as problem:
        print(f"makehelp: {problem}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
