#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes an archive whose bytes follow from its files alone: members sorted
by name, each with the sources' time, owned by root, mode 0644 (0755 where
the owner may execute it), and no build machine's name, user or clock in any
header, so that two builds of one commit give the same archive.

Usage:
  archive.py zip OUT DIR EPOCH             every file below DIR
  archive.py source OUT TOP PREFIX EPOCH COMMIT
                                           the sources of TOP below PREFIX/,
                                           with SOURCES, SOURCE_DATE_EPOCH
                                           and SOURCE_COMMIT
The sources are the files git tracks in TOP or, where TOP has no git (an
unpacked source archive), the files its SOURCES lists: each with its SHA-256
as sha256sum writes it, so that `sha256sum -c SOURCES` tells an unpacked tree
from the archive. Whatever else a tree gathers (build folders, npm's
packages, Python's caches, an editor's backups) stays out.
"""
import gzip
import hashlib
import io
import os
import subprocess
import sys
import tarfile
import time
import zipfile

LIST_FILE = "SOURCES"
DATE_FILE = "SOURCE_DATE_EPOCH"
COMMIT_FILE = "SOURCE_COMMIT"
WRITTEN = {LIST_FILE, DATE_FILE, COMMIT_FILE}  # written by the archive itself, never listed


def files_below(folder):
    out = []
    for root, _, names in os.walk(folder):
        out += [os.path.relpath(os.path.join(root, n), folder) for n in names]
    return out


def listed(top):
    """The names an unpacked archive's SOURCES lists."""
    path = os.path.join(top, LIST_FILE)
    if not os.path.exists(path):
        sys.exit(f"{top} has neither git nor {LIST_FILE}: which files are the sources is unknown")
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n").split("  ", 1)[1] for line in f if line.strip()]


def sources(top):
    if os.path.exists(os.path.join(top, ".git")):
        out = subprocess.run(["git", "-C", top, "ls-files", "-z"], check=True, capture_output=True).stdout
        names = [n for n in out.decode().split("\0") if n and os.path.isfile(os.path.join(top, n))]
    else:
        names = listed(top)
    return [n for n in names if n not in WRITTEN]


def source_list(entries):
    """SOURCES: a line "SHA-256  name" for each file, in the archive's order."""
    return "".join(f"{hashlib.sha256(data).hexdigest()}  {name}\n" for name, data, _ in entries).encode()


def mode_of(path):
    return 0o755 if os.stat(path).st_mode & 0o100 else 0o644


def members(top, names):
    """(name in the archive, bytes, mode), sorted by name."""
    out = []
    for name in names:
        path = os.path.join(top, name)
        with open(path, "rb") as f:
            out.append((name.replace(os.sep, "/"), f.read(), mode_of(path)))
    return sorted(out)


def folders_of(entries):
    return sorted({"/".join(p[:i]) for name, _, _ in entries for p in [name.split("/")] for i in range(1, len(p))})


def write_zip(out, entries, epoch):
    stamp = time.gmtime(max(epoch, 315532800))[:6]  # a zip's clock starts in 1980
    with zipfile.ZipFile(out, "w") as z:
        for folder in folders_of(entries):
            info = zipfile.ZipInfo(folder + "/", stamp)
            info.create_system = 3
            info.external_attr = (0o040755 << 16) | 0x10  # a Unix folder, and the MS-DOS folder flag
            z.writestr(info, b"")
        for name, data, mode in entries:
            info = zipfile.ZipInfo(name, stamp)
            info.create_system = 3  # Unix, so that the modes are kept
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, data, compresslevel=9)


def write_tar_gz(out, entries, epoch, prefix):
    folders = folders_of(entries)
    with open(out, "wb") as raw, gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=epoch) as gz, \
            tarfile.open(fileobj=gz, mode="w", format=tarfile.GNU_FORMAT) as tar:
        def add(name, data, mode, kind):
            info = tarfile.TarInfo(f"{prefix}/{name}" if name else prefix)
            info.type, info.mode, info.mtime = kind, mode, epoch
            info.uid = info.gid = 0
            info.uname = info.gname = "root"
            info.size = len(data) if data is not None else 0
            tar.addfile(info, io.BytesIO(data) if data is not None else None)
        add("", None, 0o755, tarfile.DIRTYPE)
        for folder in folders:
            add(folder, None, 0o755, tarfile.DIRTYPE)
        for name, data, mode in entries:
            add(name, data, mode, tarfile.REGTYPE)


def main(argv):
    kind, out = argv[1], argv[2]
    if kind == "zip" and len(argv) == 5:
        folder, epoch = argv[3], int(argv[4])
        write_zip(out, members(folder, files_below(folder)), epoch)
    elif kind == "source" and len(argv) == 7:
        top, prefix, epoch, commit = argv[3], argv[4], int(argv[5]), argv[6]
        entries = members(top, sources(top))
        entries += [(LIST_FILE, source_list(entries), 0o644), (DATE_FILE, f"{epoch}\n".encode(), 0o644),
                    (COMMIT_FILE, f"{commit}\n".encode(), 0o644)]
        write_tar_gz(out, sorted(entries), epoch, prefix)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
