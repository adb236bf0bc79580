"""Reads a help source text into topics, paragraphs and spans.

The source is plain UTF-8 text, so that the help is written and reviewed like any other file:

    % a comment line
    @title Tickerdell Help              settings of the whole file, before the first topic
    @copyright ...
    @macro SetHelpOnFile("winhelp.hlp")
    @topic portfolio 20001 : The Portfolio Screen
    Each line is a paragraph. **Bold words** and [[buy_shares|a jump]] may stand in it.
    ## A sub-heading
    - A list item (one paragraph each)

A topic line gives the topic's context name, the context numbers mapped to it (any number of
them) and its title. The first topic is the file's contents topic.
"""
import re

# Context names are hashed for jumps; only characters with a defined hash value may appear.
NAME_PATTERN = re.compile(r"^[A-Za-z0-9._]+$")
TOPIC_LINE = re.compile(r"^@topic\s+(\S+)((?:\s+\d+)*)\s*:\s*(.+)$")
INLINE = re.compile(r"\*\*(.+?)\*\*|\[\[([^|\]]+)\|([^\]]+)\]\]")

BODY, TITLE, HEADING, ITEM = "body", "title", "heading", "item"


class SourceError(Exception):
    pass


class Span:
    """A run of text in one style; a jump carries the context name of its target topic."""

    def __init__(self, text, bold=False, jump=None):
        self.text, self.bold, self.jump = text, bold, jump


class Paragraph:
    def __init__(self, kind, spans):
        self.kind, self.spans = kind, spans

    def plain_text(self):
        return "".join(span.text for span in self.spans)


class Topic:
    def __init__(self, name, numbers, title):
        self.name, self.numbers, self.title = name, numbers, title
        # The viewer does not show the title of a topic header, so the title is its first paragraph.
        self.paragraphs = [Paragraph(TITLE, [Span(title)])]


class HelpSource:
    def __init__(self):
        self.title, self.copyright, self.macros, self.topics = "", "", [], []

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


class _Reader:
    def __init__(self, path):
        self.path, self.source, self.topic = path, HelpSource(), None

    def setting(self, line, line_number):
        key, _, value = line[1:].partition(" ")
        if key == "topic":
            self.start_topic(line, line_number)
        elif self.topic is not None:
            raise SourceError(f"{self.path}:{line_number}: @{key} must come before the first topic")
        elif key == "title":
            self.source.title = value.strip()
        elif key == "copyright":
            self.source.copyright = value.strip()
        elif key == "macro":
            self.source.macros.append(value.strip())
        else:
            raise SourceError(f"{self.path}:{line_number}: unknown setting @{key}")

    def start_topic(self, line, line_number):
        match = TOPIC_LINE.match(line)
        if not match or not NAME_PATTERN.match(match.group(1)):
            raise SourceError(f"{self.path}:{line_number}: expected '@topic name [numbers] : title'")
        numbers = [int(number) for number in match.group(2).split()]
        self.topic = Topic(match.group(1), numbers, match.group(3).strip())
        self.source.topics.append(self.topic)

    def line(self, raw, line_number):
        line = raw.strip()
        if not line or line.startswith("%"):
            return
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
        self.topic.paragraphs.append(Paragraph(kind, spans))


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


def read_help_source(path):
    reader = _Reader(path)
    with open(path, encoding="utf-8") as text:
        for line_number, raw in enumerate(text, 1):
            reader.line(raw, line_number)
    check(reader.source, path)
    return reader.source
