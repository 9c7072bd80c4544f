#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Writes a zip that depends only on its files' names and contents: one entry for each
# file, named after it without its folder, in the order given, each with the same time
# (SOURCE_DATE_EPOCH), the same permissions and no owner, so that the same source
# gives the same bytes on any machine.
# Usage: zip.py OUTPUT FILE...
import os
import sys
import time
import zipfile

output, files = sys.argv[1], sys.argv[2:]
# Zip times start in 1980 and have two-second steps.
epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH") or 315532800), 315532800)
stamp = time.gmtime(epoch)[:6]
with zipfile.ZipFile(output + ".part", "w") as archive:
    for file in files:
        entry = zipfile.ZipInfo(os.path.basename(file), stamp)
        entry.external_attr = 0o100644 << 16
        entry.create_system = 3  # Unix
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(file, "rb") as source:
            archive.writestr(entry, source.read(), compresslevel=9)
os.replace(output + ".part", output)
