#!/usr/bin/env python3
"""The project's own source files, for the checks of the sources (format, layers).

In a git work tree with git at hand, the files git tracks; in a plain copy of the source (an
unpacked archive, or a machine without git), every file under the checkout except build trees
(folders holding a CMakeCache.txt) and hidden folders. Paths are relative to the checkout's root.

As a command: source_files.py PATTERN... prints the matching paths, each ending in a NUL byte
(for xargs -0); for example: source_files.py '*.cpp' '*.h'
"""
import fnmatch
import os
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def _from_git(patterns):
    if not shutil.which("git") or not os.path.exists(os.path.join(ROOT, ".git")):
        return None
    result = subprocess.run(["git", "ls-files", "-z", "--", *patterns], cwd=ROOT,
                            capture_output=True, text=True)
    if result.returncode != 0:
        return None
    return [f for f in result.stdout.split("\0") if f]


def _from_folders(patterns):
    found = []
    for folder, subfolders, files in os.walk(ROOT):
        subfolders[:] = sorted(d for d in subfolders if not d.startswith(".") and
                               not os.path.exists(os.path.join(folder, d, "CMakeCache.txt")))
        for name in sorted(files):
            if any(fnmatch.fnmatch(name, p) for p in patterns):
                found.append(os.path.relpath(os.path.join(folder, name), ROOT))
    return found


def source_files(*patterns):
    """Paths relative to the checkout's root of the project's files matching the name patterns."""
    files = _from_git(patterns)
    return files if files is not None else _from_folders(patterns)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("usage: source_files.py PATTERN...")
    sys.stdout.write("".join(f + "\0" for f in source_files(*sys.argv[1:])))
