"""Writes a help source as a WinHelp 3.1 file (.hlp) that the Windows and Wine viewers open.

The file holds five internal files: |SYSTEM (title, contents topic, start-up macros), |FONT (the
text styles), |TOPIC (the topics in 4 KiB blocks, uncompressed), |CONTEXT (context-name hashes to
topic offsets, for jumps) and |CTXOMAP (context numbers to topic offsets, for HELP_CONTEXT), found
through a directory B+ tree.
"""
import struct

from helpsource import BODY, HEADING, ITEM, TITLE, SourceError

FILE_MAGIC = 0x00035F3F
BTREE_MAGIC = 0x293B
SYSTEM_MAGIC = 0x036C
HELP_31_MINOR = 21
TOPIC_BLOCK_SIZE = 0x1000
BLOCK_HEADER_SIZE = 12
BLOCK_DATA_SIZE = TOPIC_BLOCK_SIZE - BLOCK_HEADER_SIZE
LINK_HEADER_SIZE = 21
NOWHERE = 0xFFFFFFFF

TOPIC_HEADER_RECORD, DISPLAY_RECORD = 0x02, 0x20
FONT_CHANGE, END_OF_PARAGRAPH, TAB, END_OF_HOTSPOT, JUMP, END_OF_COMMANDS = 0x80, 0x82, 0x83, 0x89, 0xE3, 0xFF
# Paragraph bits; each set bit is followed by its value, in tens of twips, in this order.
SPACE_BELOW, LEFT_INDENT, FIRST_LINE_INDENT, TAB_STOPS = 0x0004, 0x0010, 0x0040, 0x0200
ITEM_INDENT = 36

# Font descriptors: (bold, half-points, colour). Indices are the styles the paragraphs use.
FACE_NAME = "Arial"
BODY_FONT, TITLE_FONT, HEADING_FONT, BOLD_FONT = 0, 1, 2, 3
FONTS = [(False, 20, (0, 0, 0)), (True, 28, (0, 0, 128)), (True, 22, (0, 0, 128)), (True, 20, (0, 0, 0))]
SWISS_FAMILY = 3

# Hash values of the characters a context name may hold; names compare without regard to case.
HASH_VALUES = {str(digit): digit for digit in range(1, 10)}
HASH_VALUES.update({"0": 10, ".": 12, "_": 13})
HASH_VALUES.update({chr(ord("A") + i): 17 + i for i in range(26)})
HASH_VALUES.update({chr(ord("a") + i): 17 + i for i in range(26)})


def signed32(value):
    value &= 0xFFFFFFFF
    return value - 0x100000000 if value & 0x80000000 else value


def context_hash(name):
    value = 0
    for character in name:
        value = (value * 43 + HASH_VALUES[character]) & 0xFFFFFFFF
    return signed32(value)


def encode_text(text):
    return text.encode("cp1252")


# Compressed numbers of the paragraph records: the low bit of the first byte says which size follows.
def compressed_ushort(value):
    return bytes([value * 2]) if value < 0x80 else struct.pack("<H", value * 2 + 1)


def compressed_short(value):
    if -0x40 <= value < 0x40:
        return bytes([value * 2 + 0x80])
    return struct.pack("<H", value * 2 + 0x8001)


def compressed_long(value):
    if -0x4000 <= value < 0x4000:
        return struct.pack("<H", value * 2 + 0x8000)
    return struct.pack("<I", (value * 2 + 0x80000001) & 0xFFFFFFFF)


def internal_file(body):
    """An internal file: reserved size (header included), used size, flags, then the body."""
    return struct.pack("<iiB", len(body) + 9, len(body), 4) + body


def btree(entries, page_size, structure, flags):
    """A one-level B+ tree: the entries (already in key order) on a single leaf page."""
    payload = b"".join(entries)
    free = page_size - 8 - len(payload)
    if free < 0:
        raise ValueError(f"{len(entries)} entries of {structure} do not fit one {page_size}-byte page")
    header = struct.pack("<HHH16shhhhhhi", BTREE_MAGIC, flags, page_size, structure.encode(), 0, 0, 0, -1, 1,
                         1, len(entries))
    leaf = struct.pack("<Hhhh", free, len(entries), -1, -1) + payload + bytes(free)
    return header + leaf


def system_file(source, contents_offset, made):
    def record(kind, data):
        return struct.pack("<HH", kind, len(data)) + data

    body = struct.pack("<HHHIH", SYSTEM_MAGIC, HELP_31_MINOR, 1, made, 0)
    body += record(1, encode_text(source.title) + b"\0")
    if source.copyright:
        body += record(2, encode_text(source.copyright) + b"\0")
    body += record(3, struct.pack("<I", contents_offset))
    for macro in source.macros:
        body += record(4, encode_text(macro) + b"\0")
    return body


def font_file():
    faces_offset, descriptors_offset = 8, 8 + 20
    body = struct.pack("<HHHH", 1, len(FONTS), faces_offset, descriptors_offset)
    body += encode_text(FACE_NAME).ljust(20, b"\0")
    for bold, half_points, colour in FONTS:
        body += struct.pack("<BBBH3B3B", 1 if bold else 0, half_points, SWISS_FAMILY, 0, *colour, 255, 255, 255)
    return body


def too_long(source, record_kind, line, size):
    what = "a title" if record_kind in (TOPIC_HEADER_RECORD, TITLE) else "a paragraph"
    return SourceError(f"{source.path}:{line}: {what} of {size} bytes does not fit a topic block of "
                       f"{BLOCK_DATA_SIZE}; shorten it")


class Record:
    """One topic link: a topic header or a paragraph, placed at a position in the topic blocks."""

    def __init__(self, kind, link_data1, link_data2, topic, line):
        self.kind, self.link_data1, self.link_data2, self.topic = kind, link_data1, link_data2, topic
        self.line = line
        self.position = self.block = None

    def size(self):
        return LINK_HEADER_SIZE + len(self.link_data1) + len(self.link_data2)

    def encoded(self, previous, following):
        header = struct.pack("<iiIIiB", self.size(), len(self.link_data2), previous, following,
                             LINK_HEADER_SIZE + len(self.link_data1), self.kind)
        return header + self.link_data1 + self.link_data2


def paragraph_layout(kind):
    """Paragraph bits and their spacing values, and the font the paragraph starts in."""
    if kind == TITLE:
        return SPACE_BELOW, [compressed_short(12)], TITLE_FONT
    if kind == HEADING:
        return SPACE_BELOW, [compressed_short(4)], HEADING_FONT
    if kind == ITEM:
        # A hanging indent with a tab stop at the indent: the bullet hangs out, the text lines up.
        return (SPACE_BELOW | LEFT_INDENT | FIRST_LINE_INDENT | TAB_STOPS,
                [compressed_short(4), compressed_short(ITEM_INDENT), compressed_short(-ITEM_INDENT // 2),
                 compressed_short(1), compressed_ushort(ITEM_INDENT)], BODY_FONT)
    return SPACE_BELOW, [compressed_short(8)], BODY_FONT


class ParagraphText:
    """The viewer shows a string, obeys one command, shows the next string, and so on until the end
    command; this keeps the strings (LinkData2) and commands (LinkData1) in that alternation."""

    def __init__(self, font):
        # The first string comes before any command, so it stays empty: text follows the font.
        self.strings, self.commands = [b"", b""], [bytes([FONT_CHANGE]) + struct.pack("<H", font)]

    def text(self, text):
        self.strings[-1] += encode_text(text)

    def command(self, command):
        self.commands.append(command)
        self.strings.append(b"")

    def finished(self):
        self.command(bytes([END_OF_PARAGRAPH]))
        self.commands.append(bytes([END_OF_COMMANDS]))
        return b"".join(self.commands), b"".join(text + b"\0" for text in self.strings)


def paragraph_text(paragraph, font):
    text = ParagraphText(font)
    if paragraph.kind == ITEM:
        text.text("\u2022")
        text.command(bytes([TAB]))  # the tab lines the item's text up with its hanging indent
    current = font
    for span in paragraph.spans:
        wanted = BOLD_FONT if span.bold else font
        if wanted != current:
            text.command(bytes([FONT_CHANGE]) + struct.pack("<H", wanted))
            current = wanted
        if span.jump is not None:
            text.command(bytes([JUMP]) + struct.pack("<i", context_hash(span.jump)))
            text.text(span.text)
            text.command(bytes([END_OF_HOTSPOT]))
        else:
            text.text(span.text)
    return text.finished()


def paragraph_record(paragraph, topic, source):
    bits, spacing, font = paragraph_layout(paragraph.kind)
    commands, link_data2 = paragraph_text(paragraph, font)
    # Its length would not even fit the record's 15-bit count; no block holds it anyway.
    if len(commands) + len(link_data2) > BLOCK_DATA_SIZE:
        raise too_long(source, paragraph.kind, paragraph.line, LINK_HEADER_SIZE + len(commands) + len(link_data2))
    link_data1 = (compressed_long(len(link_data2)) + compressed_ushort(len(link_data2)) + b"\x00\x80\x00\x00" +
                  struct.pack("<H", bits) + b"".join(spacing) + commands)
    return Record(DISPLAY_RECORD, link_data1, link_data2, topic, paragraph.line)


class TopicLayout:
    """Places the topic links in blocks and works out the positions and offsets that point at them."""

    def __init__(self, source):
        self.records = []
        for number, topic in enumerate(source.topics):
            header = Record(TOPIC_HEADER_RECORD, bytes(28), encode_text(topic.title), topic, topic.line)
            header.topic_number = number
            self.records.append(header)
            self.records += [paragraph_record(paragraph, topic, source) for paragraph in topic.paragraphs]
        self.place(source)
        self.offsets = self.topic_offsets()
        self.fill_topic_headers()

    def place(self, source):
        # No record may cross a block boundary: one that does not fit starts the next block.
        block, used = 0, 0
        for record in self.records:
            if record.size() > BLOCK_DATA_SIZE:
                raise too_long(source, record.kind, record.line, record.size())
            if used + record.size() > BLOCK_DATA_SIZE:
                block, used = block + 1, 0
            record.block, record.offset = block, used
            record.position = block * 0x4000 + used + BLOCK_HEADER_SIZE
            used += record.size()
        self.block_count = block + 1

    def topic_offsets(self):
        # A topic's offset counts the text of the paragraphs before it in its block, as the viewer
        # recounts it on loading; it then opens the topic whose offset is the largest not above the
        # one asked for, so anything else would open a neighbour.
        offsets, block, counted = {}, None, 0
        for record in self.records:
            if record.block != block:
                block, counted = record.block, 0
            if record.kind == TOPIC_HEADER_RECORD:
                offsets[record.topic.name] = record.block * 0x8000 + counted
            else:
                counted += len(record.link_data2)
        return offsets

    def fill_topic_headers(self):
        headers = [index for index, record in enumerate(self.records) if record.kind == TOPIC_HEADER_RECORD]
        for place, index in enumerate(headers):
            end = headers[place + 1] if place + 1 < len(headers) else len(self.records)
            topic_size = sum(record.size() for record in self.records[index:end])
            scroll = self.records[index + 1].position if index + 1 < end else NOWHERE
            following = self.records[end].position if end < len(self.records) else NOWHERE
            header = self.records[index]
            header.link_data1 = struct.pack("<iIIiIII", topic_size, NOWHERE, NOWHERE, header.topic_number,
                                            NOWHERE, scroll, following)

    def block_header(self, block):
        before = [record for record in self.records if record.block < block]
        first = next(record for record in self.records if record.block == block)
        running = [record for record in before if record.kind == TOPIC_HEADER_RECORD]
        return struct.pack("<III", before[-1].position if before else NOWHERE, first.position,
                           running[-1].position if running else NOWHERE)

    def topic_file(self):
        blocks = [bytearray(BLOCK_DATA_SIZE) for _ in range(self.block_count)]
        for index, record in enumerate(self.records):
            previous = self.records[index - 1].position if index else NOWHERE
            following = self.records[index + 1].position if index + 1 < len(self.records) else NOWHERE
            data = record.encoded(previous, following)
            blocks[record.block][record.offset:record.offset + len(data)] = data
        # Every block is written whole, zero padding included: the viewer copies full blocks.
        return b"".join(self.block_header(block) + bytes(data) for block, data in enumerate(blocks))


def context_file(source, offsets):
    keys = sorted((context_hash(topic.name), offsets[topic.name], topic.name) for topic in source.topics)
    for (hash_a, _, name_a), (hash_b, _, name_b) in zip(keys, keys[1:]):
        if hash_a == hash_b:
            raise ValueError(f"context names {name_a} and {name_b} have the same hash; rename one")
    # Keys are signed: the viewer stops at the first key greater than the one it looks for.
    return btree([struct.pack("<iI", key, offset) for key, offset, _ in keys], 0x800, "L4", 0x0002)


def context_map_file(source, offsets):
    pairs = sorted((number, offsets[topic.name]) for topic in source.topics for number in topic.numbers)
    return struct.pack("<H", len(pairs)) + b"".join(struct.pack("<iI", number, offset) for number, offset in pairs)


def help_file_bytes(source, made):
    """The whole .hlp file; `made` (seconds since 1970) is the date it records as its making."""
    layout = TopicLayout(source)
    files = {
        "|CONTEXT": context_file(source, layout.offsets),
        "|CTXOMAP": context_map_file(source, layout.offsets),
        "|FONT": font_file(),
        "|SYSTEM": system_file(source, layout.offsets[source.topics[0].name], made),
        "|TOPIC": layout.topic_file(),
    }
    # The directory's names must be in byte order: its search stops at the first greater name.
    names = sorted(files, key=lambda name: name.encode())
    out, places = bytearray(16), {}
    for name in names:
        places[name] = len(out)
        out += internal_file(files[name])
    directory_place = len(out)
    entries = [name.encode() + b"\0" + struct.pack("<i", places[name]) for name in names]
    out += internal_file(btree(entries, 0x400, "z4", 0x0402))
    out[0:16] = struct.pack("<IiiI", FILE_MAGIC, directory_place, -1, len(out))
    return bytes(out)
