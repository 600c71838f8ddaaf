"""Rewrites a zip archive so that its bytes depend only on its files' names
and contents: entries sorted by name, one fixed time (SOURCE_DATE_EPOCH, in
UTC; without it the same fixed date as the package step's, 2025-01-01),
fixed Unix permissions (0755 for programs, 0644 otherwise), no owner and no
other extra fields. Folder entries are dropped: unzipping makes each folder
from the paths of the files in it.

Usage: python3 normalize_zip.py ARCHIVE.zip
"""
import os
import sys
import time
import zipfile


def main(path):
    stamp = time.gmtime(int(os.environ.get("SOURCE_DATE_EPOCH", "1735689600")))
    with zipfile.ZipFile(path) as old:
        entries = [(i.filename, old.read(i)) for i in old.infolist()
                   if not i.is_dir()]
    entries.sort()
    tmp = path + ".tmp"
    with zipfile.ZipFile(tmp, "w") as new:
        for name, data in entries:
            info = zipfile.ZipInfo(name, date_time=stamp[:6])
            info.create_system = 3  # Unix, so that the permissions are read
            mode = 0o755 if name.endswith(".exe") else 0o644
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            new.writestr(info, data, compresslevel=9)
    os.replace(tmp, path)


if __name__ == "__main__":
    main(sys.argv[1])
