"""Reads a help source text into topics, paragraphs and spans.

The source is plain UTF-8 text, so that the help is written and reviewed like any other file:

    % a comment line
    @title Tickerdell Help              settings of the whole file, before the first topic
    @copyright ...
    @macro SetHelpOnFile("winhelp.hlp")
    @topic portfolio IDH_PORTFOLIO : The Portfolio Screen
    Each line is a paragraph. **Bold words** and [[buy_shares|a jump]] may stand in it.
    ## A sub-heading
    - A list item (one paragraph each)

A topic line gives the topic's context name, the context numbers mapped to it (any number of
them) and its title. A context number is written as itself, or as the name a header of #define lines
gives it (read_context_numbers), so that the game and its help share one list. The first topic is the
file's contents topic.
"""
import io
import re

# Context names are hashed for jumps; only characters with a defined hash value may appear.
NAME_PATTERN = re.compile(r"^[A-Za-z0-9._]+$")
TOPIC_LINE = re.compile(r"^@topic\s+(\S+)((?:\s+(?:\d+|[A-Z][A-Z0-9_]*))*)\s*:\s*(.+)$")
DEFINE_LINE = re.compile(r"^\s*#define\s+([A-Za-z_]\w*)\s+(\d+)\s*(?:/\*.*)?$", re.M)
INLINE = re.compile(r"\*\*(.+?)\*\*|\[\[([^|\]]+)\|([^\]]+)\]\]")

BODY, TITLE, HEADING, ITEM = "body", "title", "heading", "item"

# The help file stores context numbers as signed 32-bit values and |SYSTEM records (a macro, the title)
# with a 16-bit length that counts their ending zero.
LARGEST_CONTEXT_NUMBER = 2**31 - 1
LONGEST_SYSTEM_TEXT = 0xFFFF - 1


class SourceError(Exception):
    pass


class Span:
    """A run of text in one style; a jump carries the context name of its target topic."""

    def __init__(self, text, bold=False, jump=None):
        self.text, self.bold, self.jump = text, bold, jump


class Paragraph:
    def __init__(self, kind, spans, line):
        self.kind, self.spans, self.line = kind, spans, line

    def plain_text(self):
        return "".join(span.text for span in self.spans)


class Topic:
    def __init__(self, name, numbers, title, line):
        self.name, self.numbers, self.title, self.line = name, numbers, title, line
        # The viewer does not show the title of a topic header, so the title is its first paragraph.
        self.paragraphs = [Paragraph(TITLE, [Span(title)], line)]


class HelpSource:
    def __init__(self, path=""):
        self.path, self.title, self.copyright, self.macros, self.topics = path, "", "", [], []

    def topic_named(self, name):
        return next((topic for topic in self.topics if topic.name == name), None)


def parse_spans(text, where):
    spans, position = [], 0
    for match in INLINE.finditer(text):
        if match.start() > position:
            spans.append(Span(text[position:match.start()]))
        if match.group(1) is not None:
            spans.append(Span(match.group(1), bold=True))
        else:
            spans.append(Span(match.group(3), jump=match.group(2).strip()))
        position = match.end()
    if position < len(text):
        spans.append(Span(text[position:]))
    leftover = "".join(span.text for span in spans if span.jump is None)
    if "[[" in leftover or "**" in leftover:
        raise SourceError(f"{where}: unbalanced [[jump]] or **bold** markup")
    return spans


def check_text(text, where):
    """Every character must have a byte in code page 1252, and none may be a control character: the
    file ends its strings with a zero byte, and a viewer may take Ctrl+Z for the end of the file."""
    for character in text:
        if ord(character) < 0x20 or ord(character) == 0x7F:
            raise SourceError(f"{where}: control character {ord(character):#04x} in the text")
        try:
            character.encode("cp1252")
        except UnicodeEncodeError:
            raise SourceError(f"{where}: {character!r} (U+{ord(character):04X}) has no place in code page 1252") \
                from None


def check_system_text(text, what, where):
    if len(text.encode("cp1252")) > LONGEST_SYSTEM_TEXT:
        raise SourceError(f"{where}: the {what} is longer than {LONGEST_SYSTEM_TEXT} bytes")
    return text


def read_context_numbers(path):
    """The numbers a C header names with #define NAME number, by name."""
    with open(path, encoding="utf-8") as header:
        return {name: int(number) for name, number in DEFINE_LINE.findall(header.read())}


class _Reader:
    def __init__(self, path, named_numbers):
        self.path, self.source, self.topic, self.named_numbers = path, HelpSource(path), None, named_numbers

    def setting(self, line, line_number):
        key, _, value = line[1:].partition(" ")
        if key == "topic":
            self.start_topic(line, line_number)
        elif self.topic is not None:
            raise SourceError(f"{self.path}:{line_number}: @{key} must come before the first topic")
        elif key == "title":
            self.source.title = check_system_text(value.strip(), "title", f"{self.path}:{line_number}")
        elif key == "copyright":
            self.source.copyright = check_system_text(value.strip(), "copyright", f"{self.path}:{line_number}")
        elif key == "macro":
            self.source.macros.append(check_system_text(value.strip(), "macro", f"{self.path}:{line_number}"))
        else:
            raise SourceError(f"{self.path}:{line_number}: unknown setting @{key}")

    def start_topic(self, line, line_number):
        match = TOPIC_LINE.match(line)
        if not match or not NAME_PATTERN.match(match.group(1)):
            raise SourceError(f"{self.path}:{line_number}: expected '@topic name [numbers] : title'")
        numbers = [self.context_number(word, line_number) for word in match.group(2).split()]
        for number in numbers:
            if number > LARGEST_CONTEXT_NUMBER:
                raise SourceError(f"{self.path}:{line_number}: context number {number} is above "
                                  f"{LARGEST_CONTEXT_NUMBER}")
        self.topic = Topic(match.group(1), numbers, match.group(3).strip(), line_number)
        self.source.topics.append(self.topic)

    def context_number(self, word, line_number):
        if word.isdigit():
            return int(word)
        if word not in self.named_numbers:
            raise SourceError(f"{self.path}:{line_number}: context {word} is not in the --contexts header")
        return self.named_numbers[word]

    def line(self, raw, line_number):
        line = raw.strip(" \t\r\n")
        if not line or line.startswith("%"):
            return
        check_text(line, f"{self.path}:{line_number}")
        if line.startswith("@"):
            self.setting(line, line_number)
            return
        if self.topic is None:
            raise SourceError(f"{self.path}:{line_number}: text before the first @topic")
        kind, text = BODY, line
        if line.startswith("## "):
            kind, text = HEADING, line[3:]
        elif line.startswith("- "):
            kind, text = ITEM, line[2:]
        spans = parse_spans(text.strip(), f"{self.path}:{line_number}")
        self.topic.paragraphs.append(Paragraph(kind, spans, line_number))


def check(source, path):
    names, numbers = set(), set()
    for topic in source.topics:
        if topic.name in names:
            raise SourceError(f"{path}: topic {topic.name} is defined twice")
        names.add(topic.name)
        for number in topic.numbers:
            if number in numbers:
                raise SourceError(f"{path}: context number {number} is mapped twice")
            numbers.add(number)
    for topic in source.topics:
        for paragraph in topic.paragraphs:
            for span in paragraph.spans:
                if span.jump is not None and span.jump not in names:
                    raise SourceError(f"{path}: topic {topic.name} jumps to unknown topic {span.jump}")
    if not source.topics:
        raise SourceError(f"{path}: no topics")


def read_help_source(path, named_numbers=None):
    """named_numbers: the context numbers the topic lines may name, by name."""
    reader = _Reader(path, named_numbers or {})
    with open(path, "rb") as source:
        data = source.read()
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as problem:
        line_number = data.count(b"\n", 0, problem.start) + 1
        raise SourceError(f"{path}:{line_number}: not UTF-8 text") from None
    for line_number, raw in enumerate(io.StringIO(text, newline=None), 1):
        reader.line(raw, line_number)
    check(reader.source, path)
    return reader.source
