#!/usr/bin/env python3
"""Writes the portable zip so that the same files give the same bytes:

    make_zip.py ROOT FOLDER EPOCH OUT

packs ROOT/FOLDER (one folder, as the user is to unpack it) into OUT: entries
in a fixed order (sorted by path, each folder before what it holds), every one
dated EPOCH (SOURCE_DATE_EPOCH), with fixed permissions and no owner, comment
or extra fields, deflated at the highest level.
"""

import datetime
import os
import sys
import zipfile


def entry(name, epoch, is_dir):
    # Zip times are local times of 1980 or later, to two seconds.
    when = datetime.datetime.fromtimestamp(max(epoch, 315532800), datetime.timezone.utc)
    info = zipfile.ZipInfo(name, date_time=when.timetuple()[:6])
    info.create_system = 3  # Unix, so that the permissions below are read as such
    info.external_attr = ((0o40755 << 16) | 0x10) if is_dir else (0o100644 << 16)
    info.compress_type = zipfile.ZIP_STORED if is_dir else zipfile.ZIP_DEFLATED
    return info


def main(argv):
    if len(argv) != 5:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    root, folder, epoch, out = argv[1], argv[2], int(argv[3]), argv[4]
    paths = []
    for here, dirs, files in os.walk(os.path.join(root, folder)):
        relative = os.path.relpath(here, root).replace(os.sep, "/")
        paths.append((relative + "/", None))
        paths.extend((f"{relative}/{name}", os.path.join(here, name)) for name in files)
    with zipfile.ZipFile(out, "w", compresslevel=9) as archive:
        for name, path in sorted(paths):
            if path is None:
                archive.writestr(entry(name, epoch, True), b"")
            else:
                with open(path, "rb") as source:
                    archive.writestr(entry(name, epoch, False), source.read(), compresslevel=9)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
