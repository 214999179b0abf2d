#!/usr/bin/env python3
"""Makes the game's help page from tools/help/help.txt, twice:

    res/help/help.html   the HTML page the program shows in the HTML dialog
    res/help/help.rtf    the same page for the program's own viewer

    generate.py            write both into res/help/
    generate.py --check    compare the committed files with a fresh run and
                           check the page: well formed, every section present
                           and reachable from the contents
"""
import argparse
import html
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE / "help.txt"
OUT = HERE.parent.parent / "res" / "help"
BLUE = (0x27, 0x88, 0xFF)  # the band and the section titles, #2788FF


def parse(text):
    """Returns (fields, sections); a section is (title, [blocks]) and a
    block is ("p", text) or ("ul", [item texts])."""
    fields, sections, lines = {}, [], []

    def flush():
        if not lines or not sections:
            lines.clear()
            return
        blocks = sections[-1][1]
        if lines[0].startswith("- "):
            items = []
            for line in lines:
                if line.startswith("- "):
                    items.append(line[2:])
                else:
                    items[-1] += " " + line.strip()
            blocks.append(("ul", items))
        else:
            blocks.append(("p", " ".join(line.strip() for line in lines)))
        lines.clear()

    for raw in text.splitlines():
        line = raw.rstrip()
        if line.startswith("#"):
            continue
        field = re.match(r"^(title|maker|address): (.+)$", line)
        if field and not sections:
            fields[field.group(1)] = field.group(2)
        elif line.startswith("== "):
            flush()
            sections.append((line[3:], []))
        elif not line:
            flush()
        else:
            lines.append(line)
    flush()
    return fields, sections


def anchor(title):
    return re.sub(r"[^a-z0-9]+", "-", title.lower()).strip("-")


def html_text(text, fields):
    escaped = html.escape(text, quote=False)
    link = '<a href="{0}">{0}</a>'.format(html.escape(fields["address"]))
    return escaped.replace("{address}", link)


def make_html(fields, sections):
    blue = "#%02X%02X%02X" % BLUE
    out = [
        "<!DOCTYPE html>",
        '<html style="width: 700px; height: 600px">',
        "<head>",
        '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252" />',
        "<title>%s</title>" % html.escape(fields["title"]),
        "</head>",
        '<body style="margin: 0; font-family: Tahoma, Arial, sans-serif; font-size: 10pt">',
        '<div style="background-color: %s; color: #FFFFFF; font-weight: bold; padding: 10px 16px">' % blue,
        '<div style="font-size: 18pt">%s</div>' % html.escape(fields["title"]),
        "<div>%s</div>" % html.escape(fields["maker"]),
        "</div>",
        '<div style="padding: 0 16px">',
        '<p style="font-weight: bold">Contents</p>',
        "<ul>",
    ]
    for title, _ in sections:
        out.append('<li><a href="#%s">%s</a></li>' % (anchor(title), html.escape(title)))
    out.append("</ul>")
    for title, blocks in sections:
        out.append('<h2 id="%s" style="color: %s; font-size: 12pt">%s</h2>'
                   % (anchor(title), blue, html.escape(title)))
        for kind, body in blocks:
            if kind == "p":
                out.append("<p>%s</p>" % html_text(body, fields))
            else:
                out.append("<ul>")
                out.extend("<li>%s</li>" % html_text(item, fields) for item in body)
                out.append("</ul>")
    out += ["</div>", "</body>", "</html>", ""]
    return "\r\n".join(out)


def rtf_text(text, fields):
    text = text.replace("{address}", fields["address"])
    text = text.replace("\\", "\\\\").replace("{", "\\{").replace("}", "\\}")
    return "".join(c if ord(c) < 128 else "\\'%02x" % ord(c.encode("cp1252")) for c in text)


def make_rtf(fields, sections):
    """Rich text for the viewer. The viewer relies on its shape: the band's
    two lines first (title, maker), which it lifts out and paints as the
    band itself, then "Contents", one line per section title, an empty line,
    and the sections, each starting with its title on a line of its own."""
    r, g, b = BLUE
    out = [
        r"{\rtf1\ansi\ansicpg1252\deff0",
        r"{\fonttbl{\f0\fswiss Tahoma;}}",
        r"{\colortbl;\red%d\green%d\blue%d;\red255\green255\blue255;\red0\green0\blue0;}" % (r, g, b),
        r"\viewkind4\uc1\f0\fs20",
        # The band's lines. A rich text control draws no full-width shading
        # everywhere, so the viewer paints the band and these are its text.
        r"\pard\li120\ri120\cf1\b\fs36 %s\par" % rtf_text(fields["title"], fields),
        r"\pard\li120\ri120\cf1\b\fs20 %s\par" % rtf_text(fields["maker"], fields),
        r"\pard\li120\ri120\sb200\sa60\cf3\b\fs20 Contents\par",
    ]
    for title, _ in sections:
        out.append(r"\pard\li360\ri120\cf1\b0\ul %s\ul0\par" % rtf_text(title, fields))
    out.append(r"\pard\cf3\par")
    for title, blocks in sections:
        out.append(r"\pard\li120\ri120\sb240\sa60\cf1\b\fs24 %s\par" % rtf_text(title, fields))
        for kind, body in blocks:
            items = [body] if kind == "p" else body
            for item in items:
                indent = r"\fi-200\li400" if kind == "ul" else r"\li120"
                bullet = r"\bullet\tab " if kind == "ul" else ""
                out.append(r"\pard%s\ri120\sa100\tx400\cf3\b0\fs20 %s%s\par"
                           % (indent, bullet, rtf_text(item, fields)))
    out.append("}")
    return "\r\n".join(out) + "\r\n"


def build():
    fields, sections = parse(SOURCE.read_text(encoding="utf-8"))
    return {
        "help.html": make_html(fields, sections).encode("cp1252"),
        "help.rtf": make_rtf(fields, sections).encode("ascii"),
    }


def validate(outputs):
    """Problems with the page itself: not well formed, a section without
    its contents entry or the other way round."""
    fields, sections = parse(SOURCE.read_text(encoding="utf-8"))
    page = outputs["help.html"].decode("cp1252")
    try:
        root = ElementTree.fromstring(page.split("\n", 1)[1])
    except ElementTree.ParseError as error:
        return ["help.html is not well formed: %s" % error]
    problems = []
    if root.findtext("head/title") != "Morvane Solitaire":
        problems.append("help.html: the title is not Morvane Solitaire")
    targets = {a.get("href")[1:] for a in root.iter("a") if a.get("href", "").startswith("#")}
    headings = {h.get("id"): h.text for h in root.iter("h2")}
    for wanted in ["Object", "How to play", "Difficulty modes", "Change background color", "Contact"]:
        if wanted not in headings.values():
            problems.append("help.html: no section %r" % wanted)
    if targets != set(headings):
        problems.append("help.html: contents %s but sections %s" % (sorted(targets), sorted(headings)))
    rtf = outputs["help.rtf"].decode("ascii")
    if rtf.count("{") - rtf.count("\\{") != rtf.count("}") - rtf.count("\\}"):
        problems.append("help.rtf: unbalanced groups")
    if not fields.get("address") or len(sections) != len(headings):
        problems.append("help.txt: missing address or a section title used twice")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with res/help/ and check the page")
    args = parser.parse_args()
    outputs = build()
    problems = validate(outputs)
    if args.check:
        for name, data in outputs.items():
            path = OUT / name
            if not path.exists() or path.read_bytes() != data:
                problems.append("%s differs from a fresh run of tools/help/generate.py" % path)
    else:
        OUT.mkdir(parents=True, exist_ok=True)
        for name, data in outputs.items():
            (OUT / name).write_bytes(data)
    for problem in problems:
        print(problem, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
