#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Writes the page with its stylesheet inside it: one file fewer to fetch before the
# first frame. The page's Content-Security-Policy then allows exactly that style, by
# its digest, instead of the stylesheet's address.
# Usage: inlinestyle.py PAGE STYLESHEET OUTPUT
import base64
import hashlib
import sys

page_file, style_file, output = sys.argv[1:]
page = open(page_file, encoding="utf-8").read()
style = open(style_file, encoding="utf-8").read()
link = '<link rel="stylesheet" href="fendrel.css">'
policy = "style-src 'self'"
if page.count(link) != 1 or page.count(policy) != 1:
    sys.exit("inlinestyle.py: %s has no stylesheet link or style-src 'self' to replace" % page_file)
digest = base64.b64encode(hashlib.sha256(style.encode("utf-8")).digest()).decode("ascii")
page = page.replace(link, "<style>" + style + "</style>").replace(policy, "style-src 'sha256-%s'" % digest)
with open(output, "w", encoding="utf-8", newline="\n") as out:
    out.write(page)
