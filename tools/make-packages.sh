#!/bin/bash
# Builds the release packages: build/packages/VizuRE3-<version>-win32.zip and -win64.zip (the
# program, VBMP3.DLL and a read-me; the version is the CMake project's). Installs what is
# missing and builds only the release trees (cmake/Packages.cmake), not the tests.
setup_target=packages
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ls -l "$build"/packages/*.zip
