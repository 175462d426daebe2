#!/usr/bin/env python3
"""check_guide.py GUIDE_DIR SECTION...: the guide's editions (guide.html,
guide.zh.html) name no picture that is missing or no PNG, no page or section
that is not there, and each SECTION (what F1 opens) has its page in each
edition, leading to that section."""
import html.parser
import pathlib
import sys
import urllib.parse


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids = set()
        self.targets = []  # (what, address)

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "img":
            self.targets.append(("picture", attrs.get("src") or ""))
        elif tag == "a" and "href" in attrs:
            self.targets.append(("link", attrs["href"]))
        elif tag == "meta" and (attrs.get("http-equiv") or "").lower() == "refresh":
            self.targets.append(("link", (attrs.get("content") or "").partition("url=")[2]))


def parse(path):
    parser = Links()
    parser.feed(path.read_text(encoding="utf-8"))
    return parser


def main(argv):
    folder = pathlib.Path(argv[1])
    pages = {}
    for guide, prefix in (("guide.html", ""), ("guide.zh.html", "zh-")):
        if not (folder / guide).is_file():
            sys.exit(f"{folder / guide} is missing")
        pages[folder / guide] = parse(folder / guide)
        for section in argv[2:]:
            page = folder / f"{prefix}{section}.html"
            if not page.is_file():
                sys.exit(f"{page} (F1's page of {section}) is missing")
            pages[page] = parse(page)
            if ("link", f"{guide}#{section}") not in pages[page].targets:
                sys.exit(f"{page} does not lead to {guide}#{section}")

    problems = []
    pictures = 0
    for page, parsed in list(pages.items()):
        for what, address in parsed.targets:
            url = urllib.parse.urlsplit(address)
            if url.scheme in ("http", "https", "mailto"):
                continue
            target = page if not url.path else folder / urllib.parse.unquote(url.path)
            if url.scheme or not target.is_file():
                problems.append(f"{page.name}: {what} {address!r} leads nowhere")
                continue
            if what == "picture":
                pictures += 1
                if target.read_bytes()[:8] != b"\x89PNG\r\n\x1a\n":
                    problems.append(f"{page.name}: picture {address!r} is no PNG")
            if url.fragment:
                ids = pages[target].ids if target in pages else parse(target).ids
                if url.fragment not in ids:
                    problems.append(f"{page.name}: {what} {address!r}: no such section")
    if pictures == 0:
        problems.append("the guide shows no picture")
    if problems:
        sys.exit("\n".join(problems))
    print(f"{folder}: {pictures} pictures shown, every link and picture found")


if __name__ == "__main__":
    main(sys.argv)
