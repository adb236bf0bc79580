#!/usr/bin/env python3
"""Reads the written help files back, independently of their writer, and checks what the viewer relies on.
Usage: HelpFileTest.py GAME_DIR [MADE]   (MADE: the date, in seconds since 1970, the build gave the writer)"""
import html
import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest

GAME_DIR = None
MADE = None

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
MAKEHELP = os.path.join(ROOT, "tools", "helpfile", "makehelp.py")
with open(os.path.join(ROOT, "tests", "help", "topics.expected"), encoding="utf-8") as rows:
    CONTEXT_TITLES = dict(row.rstrip("\n").split(" ", 1) for row in rows if row.strip() and row[0] != "#")


def context_numbers():
    """The help contexts resources/resource.h defines for the game, by number, with the title each must open."""
    with open(os.path.join(ROOT, "resources", "resource.h"), encoding="utf-8") as header:
        named = dict(re.findall(r"^#define (IDH_\w+) (\d+)$", header.read(), re.M))
    assert set(named) == set(CONTEXT_TITLES), "a help context of the game with no title to check"
    return {int(number): CONTEXT_TITLES[name] for name, number in named.items()}


def unpack(layout, data, at):
    return struct.unpack_from("<" + layout, data, at)


def compressed(data, at, long_form, signed=False):
    """A compressed number and where the next begins: an odd first byte marks the wide form (4 or 2 bytes,
    else 2 or 1); a signed one counts from the middle of its range."""
    size = (4 if long_form else 2) if data[at] & 1 else (2 if long_form else 1)
    raw = int.from_bytes(data[at:at + size], "little")
    return (raw - (signed << (8 * size - 1))) // 2, at + size


class HelpFile:
    def __init__(self, path):
        with open(path, "rb") as source:
            self.data = source.read()
        magic, directory, _, size = unpack("IiiI", self.data, 0)
        assert magic == 0x00035F3F and size == len(self.data), "file header"
        entries = self.btree(directory, 0x400, b"z4", 0x0402, self.directory_entry)
        self.names = [name for name, _ in entries]
        self.offsets = {name.decode(): offset for name, offset in entries}
        self.files = {name: self.internal(offset) for name, offset in self.offsets.items()}

    def internal(self, offset):
        reserved, used, _ = unpack("iiB", self.data, offset)
        assert reserved == used + 9, f"internal file at {offset}: reserved {reserved}, used {used}"
        return self.data[offset + 9:offset + reserved]

    @staticmethod
    def directory_entry(page, at):
        end = page.index(b"\0", at)
        return (page[at:end], unpack("i", page, end + 1)[0]), end + 5

    context_entry = staticmethod(lambda page, at: (unpack("iI", page, at), at + 8))

    def btree(self, offset, page_size, structure, flags, entry):
        body = self.internal(offset)
        magic, tree_flags, size, kind, _, _, root, _, pages, levels, total = unpack("HHH16shhhhhhi", body, 0)
        assert (magic, tree_flags, size, kind.rstrip(b"\0")) == (0x293B, flags, page_size, structure), "B+ tree"
        page_at = lambda number: body[38 + number * page_size:38 + (number + 1) * page_size]
        for _ in range(levels - 1):  # down the leftmost branch to the first leaf
            root = unpack("h", page_at(root), 4)[0]
        entries, leaf = [], root
        while leaf != -1:
            page = page_at(leaf)
            _, count, _, leaf = unpack("Hhhh", page, 0)
            at = 8
            for _ in range(count):
                value, at = entry(page, at)
                entries.append(value)
        assert len(entries) == total and pages * page_size + 38 == len(body), "B+ tree size"
        return entries

    def system(self):
        body = self.files["|SYSTEM"]
        magic, minor, _, made, flags = unpack("HHHIH", body, 0)
        records, at = {}, 12
        while at + 4 <= len(body):
            kind, size = unpack("HH", body, at)
            records.setdefault(kind, []).append(body[at + 4:at + 4 + size])
            at += 4 + size
        return (magic, minor, flags), made, records

    def topics(self):
        """Walks the topic chain: (topic offset, header title, paragraphs of (text, jump hashes))."""
        body, topics, position, counted, block = self.files["|TOPIC"], [], 12, 0, None
        while position != 0xFFFFFFFF:
            number, offset = (position - 12) >> 14, (position - 12) & 0x3FFF
            size, length2, _, following, length1, kind = unpack("iiIIiB", body, number * 4096 + 12 + offset)
            assert offset + size <= 4096 - 12, f"record at {position:#x} crosses its block"
            record = body[number * 4096 + 12 + offset:number * 4096 + 12 + offset + size]
            assert length2 == size - length1, "text is stored plain"
            block, counted = number, counted if number == block else 0
            if kind == 0x02:
                topics.append((number * 0x8000 + counted, record[length1:].decode("cp1252"), []))
            else:
                assert kind == 0x20, f"record kind {kind:#x}"
                text, jumps, length = self.paragraph(record, length1)
                topics[-1][2].append((text, jumps))
                counted += length  # the viewer's count for topic offsets
            position = following
        return topics

    @staticmethod
    def paragraph(record, length1):
        at = compressed(record, 21, True)[1]
        length, at = compressed(record, at, False)
        bits, at = unpack("H", record, at + 4)[0], at + 6
        for bit in (0x0002, 0x0004, 0x0008, 0x0010, 0x0020, 0x0040):
            if bits & bit:
                at = compressed(record, at, False)[1]
        if bits & 0x0200:
            stops, at = compressed(record, at, False, signed=True)
            for _ in range(stops):
                at = compressed(record, at, False)[1]
        assert not bits & ~0x0256, f"unexpected paragraph bits {bits:#x}"
        strings, jumps = record[length1:].split(b"\0"), []
        widths = {0x80: 3, 0x82: 1, 0x83: 1, 0x89: 1, 0xE3: 5, 0xFF: 1}
        while record[at] != 0xFF:
            assert record[at] in widths, f"unexpected command {record[at]:#x}"
            if record[at] == 0xE3:
                jumps.append(unpack("i", record, at + 1)[0])
            at += widths[record[at]]
        assert at + 1 == length1, "commands end where the text begins"
        return b"".join(strings).decode("cp1252"), jumps, length


class HelpFileTest(unittest.TestCase):
    def load(self, name):
        help_file = HelpFile(os.path.join(GAME_DIR, name))
        self.assertEqual(help_file.names, sorted(help_file.names), "directory names in byte order")
        self.assertTrue({"|SYSTEM", "|FONT", "|TOPIC", "|CONTEXT", "|CTXOMAP"} <= set(help_file.files))
        contexts = help_file.btree(help_file.offsets["|CONTEXT"], 0x800, b"L4", 0x0002, HelpFile.context_entry)
        hashes = [key for key, _ in contexts]
        self.assertEqual(hashes, sorted(set(hashes)), "context hashes in signed order, once each")
        topics = {offset: (title, paragraphs) for offset, title, paragraphs in help_file.topics()}
        self.assertTrue(all(offset in topics for _, offset in contexts), "context offsets are topic starts")
        contexts = dict(contexts)
        (magic, minor, flags), made, records = help_file.system()
        self.assertEqual((magic, minor, flags), (0x036C, 21, 0))
        if MADE is not None:
            self.assertEqual(made, MADE, "the date the build gave, not the clock's: every build writes the same")
        self.assertIn(unpack("I", records[3][0], 0)[0], topics, "contents is a topic")
        self.assertIn(b'SetHelpOnFile("winhelp.hlp")\0', records[4])
        faces, styles = unpack("HH", help_file.files["|FONT"], 0)
        self.assertGreater(faces * styles, 0, "the viewer needs a face and a style")
        for offset, (title, paragraphs) in topics.items():
            self.assertEqual(paragraphs[0][0], title, "each topic shows its title first")
            for text, jumps in paragraphs:
                for jump in jumps:
                    self.assertIn(contexts.get(jump), topics, f"jump {jump} in {title!r} lands on a topic")
        return help_file, topics

    def test_every_context_number_opens_its_topic(self):
        help_file, topics = self.load("project.hlp")
        body = help_file.files["|CTXOMAP"]
        mapped = dict(unpack("iI", body, 2 + 8 * index) for index in range(unpack("H", body, 0)[0]))
        opened = {number: topics.get(mapped.get(number), ("no topic",))[0] for number in context_numbers()}
        self.assertEqual(opened, context_numbers())

    def test_how_to_use_help_file_opens(self):
        self.assertGreaterEqual(len(self.load("winhelp.hlp")[1]), 2)

    def test_html_has_a_section_for_every_context_number(self):
        with open(os.path.join(GAME_DIR, "help.html"), encoding="utf-8") as page:
            titles = {int(number): html.unescape(title)
                      for number, title in re.findall(r'<section id="ctx(\d+)">\s*<h2>(.*?)</h2>', page.read())}
        self.assertEqual({number: titles.get(number) for number in context_numbers()}, context_numbers())


class HostileSourceTest(unittest.TestCase):
    """A source the file format cannot hold is refused in one line naming its place, and leaves no file."""

    HEAD = "@title T\n@topic contents 20000 : Contents\n"
    CASES = [  # (source, the line named, words of the message)
        ("@topic contents 2147483648 : C\nText.\n", 1, "context number 2147483648 is above 2147483647"),
        (HEAD + "x" * 32768 + "\n", 3, "a paragraph of 32797 bytes does not fit"),
        (HEAD + "- " + "x" * 4070 + "\n", 3, "a paragraph of"),
        ("@topic contents 20000 : " + "t" * 32768 + "\nText.\n", 1, "a title of 32797 bytes does not fit"),
        ("@macro " + "m" * 65535 + "\n" + HEAD, 1, "the macro is longer than 65534 bytes"),
        (HEAD + "a\0b\n", 3, "control character 0x00"),
        (HEAD + "\nBefore.\na\x1ab\n", 5, "control character 0x1a"),
        (HEAD + "An arrow \u2192 here.\n", 3, "(U+2192) has no place in code page 1252"),
    ]

    def test_each_is_refused_on_one_line_naming_its_line_and_nothing_is_written(self):
        for source, line, words in self.CASES:
            with self.subTest(line=line, words=words), tempfile.TemporaryDirectory() as folder:
                path = os.path.join(folder, "source.txt")
                with open(path, "w", encoding="utf-8", newline="") as out:
                    out.write(source)
                run = subprocess.run([sys.executable, MAKEHELP, path, "--hlp", os.path.join(folder, "out.hlp"),
                                      "--html", os.path.join(folder, "out.html")], capture_output=True, text=True)
                self.assertEqual(run.returncode, 1)
                self.assertEqual(run.stderr.count("\n"), 1, run.stderr[:300])
                self.assertTrue(run.stderr.startswith(f"makehelp: {path}:{line}: "), run.stderr[:300])
                self.assertIn(words, run.stderr)
                self.assertEqual(os.listdir(folder), ["source.txt"])


if __name__ == "__main__":
    GAME_DIR = sys.argv.pop(1)
    if len(sys.argv) > 1 and sys.argv[1].isdigit():
        MADE = int(sys.argv.pop(1))
    unittest.main()
