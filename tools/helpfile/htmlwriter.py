"""Writes a help source as one plain HTML page, for players whose Windows has no .hlp viewer.

Each topic is a section whose id is "ctx" and its first context number (the game opens the page at
that anchor when the viewer is missing), or the topic's context name when it has no number.
"""
from html import escape

from helpsource import HEADING, ITEM, TITLE

STYLE = ("body{font-family:Arial,sans-serif;max-width:46em;margin:1em auto;padding:0 1em;line-height:1.4}"
         "h2{color:#000080;border-top:1px solid #999;padding-top:.6em}h3{color:#000080}")


def anchor(topic):
    return f"ctx{topic.numbers[0]}" if topic.numbers else topic.name


def spans_html(paragraph, anchors):
    parts = []
    for span in paragraph.spans:
        text = escape(span.text)
        if span.jump is not None:
            parts.append(f'<a href="#{anchors[span.jump]}">{text}</a>')
        elif span.bold:
            parts.append(f"<b>{text}</b>")
        else:
            parts.append(text)
    return "".join(parts)


def topic_html(topic, anchors):
    lines = [f'<section id="{anchor(topic)}">']
    lines += [f'<a id="ctx{number}"></a>' for number in topic.numbers[1:]]
    in_list = False
    for paragraph in topic.paragraphs:
        if paragraph.kind != ITEM and in_list:
            lines.append("</ul>")
            in_list = False
        body = spans_html(paragraph, anchors)
        if paragraph.kind == TITLE:
            lines.append(f"<h2>{body}</h2>")
        elif paragraph.kind == HEADING:
            lines.append(f"<h3>{body}</h3>")
        elif paragraph.kind == ITEM:
            if not in_list:
                lines.append("<ul>")
                in_list = True
            lines.append(f"<li>{body}</li>")
        else:
            lines.append(f"<p>{body}</p>")
    if in_list:
        lines.append("</ul>")
    lines.append("</section>")
    return "\n".join(lines)


def help_page(source):
    anchors = {topic.name: anchor(topic) for topic in source.topics}
    head = ['<!DOCTYPE html>', '<html lang="en-GB">', '<head>', '<meta charset="utf-8">',
            f"<title>{escape(source.title)}</title>", f"<style>{STYLE}</style>", "</head>", "<body>",
            f"<h1>{escape(source.title)}</h1>"]
    body = [topic_html(topic, anchors) for topic in source.topics]
    tail = [f"<footer><p>{escape(source.copyright)}</p></footer>"] if source.copyright else []
    return "\n".join(head + body + tail + ["</body>", "</html>", ""])
