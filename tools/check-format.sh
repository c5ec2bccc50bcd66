#!/bin/bash
# Fails when a C++ source of ours is not formatted as .clang-format says (clang-format-14, the
# version Debian 12 ships). Generated sources (paths holding "generated") are left out.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
# The files come from git where there is one, else from the folders (tools/source_files.py).
python3 tools/source_files.py '*.cpp' '*.h' | grep -zv generated |
    xargs -0 clang-format-14 --dry-run --Werror
