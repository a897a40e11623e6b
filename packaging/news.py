#!/usr/bin/env python3
"""Makes the Debian changelog or the AppStream release list from NEWS.md.

  news.py NEWS.md VERSION changelog MAINTAINER OUT
  news.py NEWS.md VERSION metainfo TEMPLATE OUT   (@RELEASES@ in TEMPLATE)

The newest release must be VERSION, so the version cannot move on without
a word for players.
"""
import datetime
import email.utils
import html
import re
import sys
import textwrap

HEADING = re.compile(r"^## (\S+) \((\d{4}-\d{2}-\d{2})\)\s*$")


def releases(text):
    """[(version, date, [item, ...])], newest first."""
    found = []
    for line in text.splitlines():
        heading = HEADING.match(line)
        if heading:
            found.append((heading[1], datetime.date.fromisoformat(heading[2]), []))
        elif found and line.startswith("- "):
            found[-1][2].append(line[2:].strip())
        elif found and found[-1][2] and line.startswith("  ") and line.strip():
            found[-1][2][-1] += " " + line.strip()
        elif found and line.strip():
            raise ValueError(f"not an item of {found[-1][0]}: {line!r}")
    return found


def plain(item):
    # Backquotes mark names in Markdown; neither format wants them.
    return item.replace("`", "")


def changelog(found, maintainer):
    entries = []
    for version, date, items in found:
        moment = datetime.datetime.combine(date, datetime.time(), datetime.timezone.utc)
        lines = [f"vantor ({version}) unstable; urgency=medium", ""]
        for item in items:
            lines += textwrap.wrap(plain(item), 78, initial_indent="  * ", subsequent_indent="    ",
                                   break_on_hyphens=False)
        lines += ["", f" -- {maintainer}  {email.utils.format_datetime(moment)}"]
        entries.append("\n".join(lines) + "\n")
    return "\n".join(entries)


def metainfo(found, template):
    blocks = []
    for version, date, items in found:
        listed = "".join(f"\n          <li>{html.escape(plain(item), quote=False)}</li>" for item in items)
        blocks.append(f'    <release version="{version}" date="{date}">\n'
                      f"      <description>\n        <ul>{listed}\n        </ul>\n      </description>\n"
                      f"    </release>")
    if template.count("@RELEASES@") != 1:
        raise ValueError("the template needs one @RELEASES@")
    return re.sub(r"^\s*@RELEASES@", lambda _: "\n".join(blocks), template, flags=re.M)


def main(news, version, kind, extra, out):
    with open(news, encoding="utf-8") as file:
        found = releases(file.read())
    if not found or found[0][0] != version:
        newest = found[0][0] if found else "none"
        sys.exit(f"{news}: the newest release is {newest}, the project's version {version}")
    if kind == "changelog":
        text = changelog(found, extra)
    else:
        with open(extra, encoding="utf-8") as file:
            text = metainfo(found, file.read())
    with open(out, "w", encoding="utf-8") as file:
        file.write(text)


if __name__ == "__main__":
    if len(sys.argv) != 6 or sys.argv[3] not in ("changelog", "metainfo"):
        sys.exit(__doc__)
    try:
        main(*sys.argv[1:])
    except ValueError as error:
        sys.exit(f"{sys.argv[1]}: {error}")
