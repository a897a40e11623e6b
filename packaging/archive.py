#!/usr/bin/env python3
"""Packs files into a zip or a .tar.gz that is the same, byte for byte, for
the same files: members sorted, owned by root, modes 644 or 755 (by the
file's execute bit), every time SOURCE_DATE_EPOCH (else the newest file's).

  archive.py zip|tar OUT PREFIX FOLDER NAME... [--if-present NAME...]

Members are PREFIX/NAME (PREFIX may be empty), read from FOLDER/NAME; the
names after --if-present are packed only where they exist.
"""
import gzip
import os
import sys
import tarfile
import time
import zipfile


def members(folder, names, optional):
    chosen = set(names) | {name for name in optional if os.path.isfile(os.path.join(folder, name))}
    return sorted(chosen)


def moment(paths):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    return int(epoch) if epoch else max(int(os.stat(path).st_mtime) for path in paths)


def mode(path):
    return 0o755 if os.stat(path).st_mode & 0o100 else 0o644


def write_zip(out, prefix, folder, names, when):
    # A zip holds local times without a zone: the commit's time in UTC, and
    # nothing before 1980, which the format cannot say.
    stamp = time.gmtime(max(when, 315532800))[:6]
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name in names:
            path = os.path.join(folder, name)
            info = zipfile.ZipInfo(prefix + name, stamp)
            info.create_system = 3
            info.external_attr = (0o100000 | mode(path)) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as file:
                archive.writestr(info, file.read(), compresslevel=9)


def write_tar(out, prefix, folder, names, when):
    def entry(name, kind, entry_mode, size=0):
        info = tarfile.TarInfo(name)
        info.type, info.mode, info.size, info.mtime = kind, entry_mode, size, when
        info.uid = info.gid = 0
        info.uname = info.gname = "root"
        return info

    with open(out, "wb") as raw, gzip.GzipFile(fileobj=raw, mode="wb", compresslevel=9, mtime=0, filename="") as packed:
        with tarfile.open(fileobj=packed, mode="w", format=tarfile.PAX_FORMAT) as archive:
            if prefix:
                archive.addfile(entry(prefix.rstrip("/"), tarfile.DIRTYPE, 0o755))
            for name in names:
                path = os.path.join(folder, name)
                with open(path, "rb") as file:
                    archive.addfile(entry(prefix + name, tarfile.REGTYPE, mode(path), os.path.getsize(path)), file)


def main(argv):
    if len(argv) < 5 or argv[0] not in ("zip", "tar"):
        sys.exit(__doc__)
    kind, out, prefix, folder, *rest = argv
    names, optional = (rest[:rest.index("--if-present")], rest[rest.index("--if-present") + 1:]) \
        if "--if-present" in rest else (rest, [])
    if prefix and not prefix.endswith("/"):
        prefix += "/"
    chosen = members(folder, names, optional)
    when = moment([os.path.join(folder, name) for name in chosen])
    (write_zip if kind == "zip" else write_tar)(out + ".part", prefix, folder, chosen, when)
    os.replace(out + ".part", out)


if __name__ == "__main__":
    main(sys.argv[1:])
