#!/usr/bin/env python3
"""The include rule of the project's folders: a folder includes only folders of the layers below
it (and itself). Prints every include that breaks the rule; exits 1 if any.

Run from anywhere: python3 tools/check-layers.py (a git work tree or a plain copy of the source)"""
import os
import re
import sys

from source_files import ROOT, source_files

# Top to bottom. Folders of one layer may not include each other.
LAYERS = [
    ['app/'],
    ['companions/', 'editor/', 'mainwnd/', 'playback/'],
    ['playlist/'],
    ['decoder/', 'framework/'],
    ['res/'],  # resource ids and messages stand alone
    ['vbmp3/vbmp3.h'],  # the decoder library's public header
]
# Inside the decoder library, top to bottom.
LIBRARY_LAYERS = [['vbmp3/dll/'], ['vbmp3/playback/'], ['vbmp3/core/'], ['vbmp3/vbmp3.h']]

# The decoder seam is a leaf that includes nothing of ours: track information and the editor read
# files through it from playlist/.
ALLOWED = {('playlist/', 'decoder/Decoder.h')}
# The main window class is app/'s alone.
APP_ONLY = 'app/PlayerDlg.h'


def layer_of(path, layers):
    for index, folders in enumerate(layers):
        for folder in folders:
            if path.startswith(folder):
                return index, folder
    return None, None


def problem(source, target):
    if target == APP_ONLY and not source.startswith('app/'):
        return 'the main window class is app/\'s alone'
    layers = LIBRARY_LAYERS if source.startswith('vbmp3/') else LAYERS
    source_layer, source_folder = layer_of(source, layers)
    target_layer, target_folder = layer_of(target, layers)
    if source_layer is None:
        return None
    if target_layer is None:
        if not source.startswith('vbmp3/') and target.startswith('vbmp3/'):
            return 'the program uses the decoder library through vbmp3/vbmp3.h only'
        return None
    if source_folder == target_folder:
        return None
    if target_layer < source_layer:
        return f'{source_folder} lies below {target_folder}'
    if target_layer == source_layer:
        return f'{source_folder} and {target_folder} are one layer: they talk through a lower one'
    return None


def main():
    os.chdir(ROOT)
    # Tracked files in a git work tree; every file of the folders in a plain copy of the source.
    files = source_files('*.cpp', '*.h')
    include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
    broken = []
    for source in files:
        if source.startswith(('tests/', 'tools/')):
            continue
        with open(source, encoding='utf-8', errors='replace') as f:
            text = f.read()
        for target in include.findall(text):
            why = problem(source, target)
            if why:
                broken.append(f'{source} -> {target}: {why}')
    for line in broken:
        print(line)
    return 1 if broken else 0


if __name__ == '__main__':
    sys.exit(main())
