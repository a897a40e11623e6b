#!/usr/bin/python3
# Debian's own python, which has python3-pefile.
"""Reads the version from each download named and wants the project's own
(CMakeLists.txt) in every one of them and in each download's name.

  check_versions.py [--deb FILE] [--zip FILE] [--web FILE] [--src FILE] [--program FILE]

--deb     the package's control file
--zip     vantor.exe's version resource: the fixed file and product
          versions and the strings that the file's properties show
--web     site.json and the cover in index.html
--src     CMakeLists.txt in the source archive
--program what the program says to --version
"""
import argparse
import io
import json
import os
import re
import subprocess
import sys
import tarfile
import zipfile

import pefile

PROJECT = re.compile(r"project\(vantor VERSION (\S+)")


def project_version(text):
    found = PROJECT.search(text)
    return found[1] if found else None


def from_deb(path):
    version = subprocess.run(["dpkg-deb", "-f", path, "Version"], check=True, capture_output=True, text=True)
    return {"control file": version.stdout.strip()}


def from_exe(data):
    pe = pefile.PE(data=data, fast_load=True)
    pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    if not hasattr(pe, "VS_FIXEDFILEINFO"):
        return {"version resource": None}
    fixed = pe.VS_FIXEDFILEINFO[0]
    dotted = lambda high, low: f"{high >> 16}.{high & 0xffff}.{low >> 16}.{low & 0xffff}"
    found = {"fixed file version": dotted(fixed.FileVersionMS, fixed.FileVersionLS),
             "fixed product version": dotted(fixed.ProductVersionMS, fixed.ProductVersionLS)}
    for info in getattr(pe, "FileInfo", [[]])[0]:
        for table in getattr(info, "StringTable", []):
            for key in (b"FileVersion", b"ProductVersion"):
                if key in table.entries:
                    found[key.decode()] = table.entries[key].decode()
    return found


def from_zip(path):
    with zipfile.ZipFile(path) as archive:
        return from_exe(archive.read("vantor.exe"))


def tar_member(archive, name):
    member = next((m for m in archive.getmembers() if m.name.endswith("/" + name)), None)
    return archive.extractfile(member).read().decode("utf-8") if member else ""


def from_web(path):
    with tarfile.open(path) as archive:
        site = json.loads(tar_member(archive, "site.json") or "{}")
        cover = re.search(r'id="release"[^>]*>\s*Vantor (\S+),', tar_member(archive, "index.html"))
    return {"site.json": site.get("version"), "the cover": cover[1] if cover else None}


def from_src(path):
    with tarfile.open(path) as archive:
        return {"CMakeLists.txt": project_version(tar_member(archive, "CMakeLists.txt"))}


def from_program(path):
    said = subprocess.run([path, "--version"], check=True, capture_output=True, text=True).stdout.strip()
    return {"--version": said.removeprefix("vantor ")}


READERS = {"deb": from_deb, "zip": from_zip, "web": from_web, "src": from_src, "program": from_program}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    for kind in READERS:
        parser.add_argument("--" + kind, metavar="FILE")
    given = {kind: path for kind, path in vars(parser.parse_args()).items() if path}
    if not given:
        parser.error("name at least one download")
    with open(os.path.join(os.path.dirname(__file__), "../../CMakeLists.txt"), encoding="utf-8") as file:
        version = project_version(file.read())
    wrong = []
    for kind, path in given.items():
        name = os.path.basename(path)
        found = READERS[kind](path)
        for place, said in found.items():
            wanted = version + ".0" if place.startswith("fixed") else version
            if said != wanted:
                wrong.append(f"{name}: {place} says {said}, not {wanted}")
        if kind != "program" and version not in name:
            wrong.append(f"{name}: the name does not carry {version}")
        print(f"{name}: {', '.join(f'{place} {said}' for place, said in found.items())}")
    for line in wrong:
        print("FAIL:", line, file=sys.stderr)
    sys.exit(1 if wrong else 0)


if __name__ == "__main__":
    main()
