#!/usr/bin/env python3
"""build_guide.py SOURCE_DIR OUT_DIR SECTION...: makes OUT_DIR/guide.html from
SOURCE_DIR/guide.md and OUT_DIR/guide.zh.html from guide.zh.md with
Python-Markdown, and for each SECTION the pages SECTION.html and zh-SECTION.html
that lead to that section of each edition (what F1 opens: a file address keeps
no fragment on its way through the desktop to the browser)."""
import html
import pathlib
import sys

import markdown

PAGE = """<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<style>
body {{ font-family: "DejaVu Sans", "Segoe UI", Tahoma, "Microsoft YaHei", "WenQuanYi Micro Hei",
       sans-serif; line-height: 1.5;
       max-width: 60em; margin: 0 auto; padding: 1em 2em; color: #1b1b1b; }}
h1, h2, h3 {{ color: #2a4d8f; line-height: 1.25; }}
h2 {{ border-bottom: 2px solid #6f99e0; padding-bottom: 0.2em; margin-top: 2em; }}
img {{ max-width: 100%; border: 1px solid #888; margin: 0.5em 0; }}
table {{ border-collapse: collapse; margin: 0.8em 0; }}
th, td {{ border: 1px solid #bbb; padding: 0.3em 0.6em; text-align: left; vertical-align: top; }}
th {{ background: #e8eef9; }}
code {{ background: #f2f2f2; padding: 0 0.2em; }}
pre {{ background: #f2f2f2; padding: 0.6em; overflow-x: auto; }}
.toc {{ background: #f6f8fc; border: 1px solid #d0d8ea; padding: 0.5em 1em; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""

REDIRECT = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta http-equiv="refresh" content="0; url={guide}#{section}">
<title>Ros Mossel guide</title>
</head>
<body><p><a href="{guide}#{section}">Ros Mossel guide</a></p></body>
</html>
"""


# The editions: source, page, language, prefix of the section pages.
EDITIONS = [("guide.md", "guide.html", "en", ""),
            ("guide.zh.md", "guide.zh.html", "zh-CN", "zh-")]


def main(argv):
    if len(argv) < 3:
        sys.exit("usage: build_guide.py SOURCE_DIR OUT_DIR SECTION...")
    source_dir = pathlib.Path(argv[1])
    out = pathlib.Path(argv[2])
    out.mkdir(parents=True, exist_ok=True)
    for source_name, page, lang, prefix in EDITIONS:
        source = (source_dir / source_name).read_text(encoding="utf-8")
        converter = markdown.Markdown(
            extensions=["attr_list", "tables", "fenced_code", "toc"],
            extension_configs={"toc": {"toc_depth": "2-3", "title": ""}})
        body = converter.convert(source)
        title = source.splitlines()[0].lstrip("# ").strip()
        (out / page).write_text(PAGE.format(lang=lang, title=html.escape(title), body=body),
                                encoding="utf-8")
        for section in argv[3:]:
            (out / f"{prefix}{section}.html").write_text(
                REDIRECT.format(guide=page, section=section), encoding="utf-8")


if __name__ == "__main__":
    main(sys.argv)
