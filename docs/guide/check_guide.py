#!/usr/bin/env python3
"""check_guide.py GUIDE_DIR SECTION...: the guide's HTML names no picture that
is missing or no PNG, no page or section that is not there, and each SECTION
(what F1 opens) has its page, leading to a section of guide.html."""
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
    guide = folder / "guide.html"
    if not guide.is_file():
        sys.exit(f"{guide} is missing")
    pages = {guide: parse(guide)}
    for section in argv[2:]:
        page = folder / f"{section}.html"
        if not page.is_file():
            sys.exit(f"{page} (F1's page of {section}) is missing")
        pages[page] = parse(page)
        if ("link", f"guide.html#{section}") not in pages[page].targets:
            sys.exit(f"{page} does not lead to guide.html#{section}")

    problems = []
    pictures = 0
    for page, parsed in pages.items():
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
        problems.append("guide.html shows no picture")
    if problems:
        sys.exit("\n".join(problems))
    print(f"{guide}: {pictures} pictures, every link and picture found")


if __name__ == "__main__":
    main(sys.argv)
