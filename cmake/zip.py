#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Writes a zip that depends only on the files' names and contents: entries in the
# order given, each with the same time (SOURCE_DATE_EPOCH), the same permissions and
# no owner, so that the same source gives the same bytes on any machine.
# Usage: zip.py OUTPUT FOLDER FILE...   (the FILEs are named relative to FOLDER)
import os
import sys
import time
import zipfile

output, folder, names = sys.argv[1], sys.argv[2], sys.argv[3:]
# Zip times start in 1980 and have two-second steps.
epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", "315532800")), 315532800)
stamp = time.gmtime(epoch)[:6]
with zipfile.ZipFile(output + ".part", "w") as archive:
    for name in names:
        entry = zipfile.ZipInfo(name, stamp)
        entry.external_attr = 0o100644 << 16
        entry.create_system = 3  # Unix
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(os.path.join(folder, name), "rb") as source:
            archive.writestr(entry, source.read(), compresslevel=9)
os.replace(output + ".part", output)
