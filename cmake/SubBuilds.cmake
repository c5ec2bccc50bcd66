# The native tree drives the other flavours as external projects and runs their tests with its
# own: `ctest` in the top build folder runs native, Wine and end-to-end tests alike.
#   ctest -L native   platform-free logic (under sanitizers when PLAYER_SANITIZE is on)
#   ctest -L wine     Win32 code in-process under Wine, and the platform-free tests again there
#                     (64-bit, the host's Wine 8: label "wine"; 32-bit, Wine 10: label "wine32")
#   ctest -L e2e      the real executable under Wine, driven with real X input (64-bit: "e2e",
#                     32-bit: "e2e32")
#   ctest -L build    both Windows builds link and export what they must
#   ctest -L package  the release zips (cmake/Packages.cmake)
#   ctest -L fuzz     the file-information parser and the frame walk under libFuzzer, a minute each
include(ExternalProject)

option(PLAYER_WINDOWS_BUILDS "Build the 64-bit and 32-bit Windows flavours" ON)
option(PLAYER_FUZZ_BUILD "Build the clang/libFuzzer flavour of the parser" ON)

set(PLAYER_WINE_ROOT ${CMAKE_BINARY_DIR}/wine CACHE PATH "Wine prefix and test homes of this build")

if(PLAYER_WINDOWS_BUILDS)
  # The Wine prefix (Japanese locale, fonts, audio driver), created once per build folder.
  add_custom_command(
    OUTPUT ${PLAYER_WINE_ROOT}/test-prefix.stamp
    COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/prepare-prefix.sh ${PLAYER_WINE_ROOT} test
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/wine/prepare-prefix.sh
    COMMENT "Preparing the Wine prefix in ${PLAYER_WINE_ROOT}")
  add_custom_target(wine-prefix ALL DEPENDS ${PLAYER_WINE_ROOT}/test-prefix.stamp)

  # The 32-bit flavour runs under Wine 10's WoW64 mode in a Debian 13 root outside the checkout
  # (tools/wine/wine10-setup.sh), with a prefix of its own: made by the wine10-prefix target,
  # which tools/test.sh builds (it needs root and a network the first time).
  set(PLAYER_WINE10_ROOT ${CMAKE_BINARY_DIR}/wine10)
  # The 64-bit lane runs under the host's Wine 8 (Debian 12's own, which tools/play.sh also
  # uses); ON runs it under Wine 10 instead, to compare the two Wines.
  option(PLAYER_WIN64_UNDER_WINE10 "Run the 64-bit tree's tests under Wine 10 instead" OFF)
  add_custom_command(
    OUTPUT ${PLAYER_WINE10_ROOT}/test-prefix.stamp
    COMMAND ${CMAKE_SOURCE_DIR}/tools/wine/wine10-setup.sh
    COMMAND ${CMAKE_COMMAND} -E env PLAYER_WINE10_BINDS=${CMAKE_BINARY_DIR}
            ${CMAKE_SOURCE_DIR}/tools/wine/wine10-enter
            ${CMAKE_SOURCE_DIR}/tools/wine/prepare-prefix.sh ${PLAYER_WINE10_ROOT} test
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/wine/prepare-prefix.sh
            ${CMAKE_SOURCE_DIR}/tools/wine/wine10-setup.sh
    COMMENT "Preparing the Wine 10 prefix in ${PLAYER_WINE10_ROOT}")
  add_custom_target(wine10-prefix DEPENDS ${PLAYER_WINE10_ROOT}/test-prefix.stamp)

  foreach(flavour win64 win32)
    string(REPLACE "win" "" bits ${flavour})
    set(toolchain ${CMAKE_SOURCE_DIR}/cmake/toolchain-mingw${bits}.cmake)
    if(flavour STREQUAL "win32" OR PLAYER_WIN64_UNDER_WINE10)
      set(wine_args -DPLAYER_WINE_ROOT=${PLAYER_WINE10_ROOT} -DPLAYER_WINE10=ON)
    else()
      set(wine_args -DPLAYER_WINE_ROOT=${PLAYER_WINE_ROOT} -DPLAYER_WINE10=OFF)
    endif()
    ExternalProject_Add(${flavour}
      SOURCE_DIR ${CMAKE_SOURCE_DIR}
      BINARY_DIR ${CMAKE_BINARY_DIR}/${flavour}
      CMAKE_GENERATOR ${CMAKE_GENERATOR}
      CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${toolchain}
        -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
        ${wine_args}
        -DPLAYER_NATIVE_BINARY_DIR=${CMAKE_BINARY_DIR}
      BUILD_ALWAYS ON
      INSTALL_COMMAND ""
      USES_TERMINAL_BUILD ON)
  endforeach()

  # Include both Windows trees' tests in this tree's ctest run.
  file(WRITE ${CMAKE_BINARY_DIR}/SubBuildTests.cmake
    "foreach(flavour win64 win32)\n"
    "  if(EXISTS \"${CMAKE_BINARY_DIR}/\${flavour}/CTestTestfile.cmake\")\n"
    "    subdirs(\"${CMAKE_BINARY_DIR}/\${flavour}\")\n"
    "  endif()\n"
    "endforeach()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/SubBuildTests.cmake)

  add_test(NAME build.win32-links
    COMMAND ${CMAKE_SOURCE_DIR}/tools/check-windows-build.sh ${CMAKE_BINARY_DIR}/win32/bin i386)
  add_test(NAME build.win64-links
    COMMAND ${CMAKE_SOURCE_DIR}/tools/check-windows-build.sh ${CMAKE_BINARY_DIR}/win64/bin x86-64)
  set_tests_properties(build.win32-links build.win64-links PROPERTIES LABELS build)
endif()

if(PLAYER_FUZZ_BUILD)
  # The decoder library's platform-free core under libFuzzer, built with clang (which GCC's
  # sanitizer flavour cannot give): only the core and the fuzz target (PLAYER_FUZZ).
  ExternalProject_Add(fuzz
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/fuzz
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    CMAKE_ARGS
      -DCMAKE_C_COMPILER=clang
      -DCMAKE_CXX_COMPILER=clang++
      -DCMAKE_BUILD_TYPE=RelWithDebInfo
      -DPLAYER_FUZZ=ON
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)

  # About a minute of fuzzing per target on seeds made at test time; the corpora grow across
  # runs. Longer runs: tools/fuzz/long-run.sh.
  foreach(target fileinfo frames)
    add_test(NAME fuzz.${target}
      COMMAND ${PLAYER_RUN_CHECKED} --expect libfuzzer --
              ${CMAKE_SOURCE_DIR}/tests/vbmp3/fuzz/run-fuzzer.sh
              ${CMAKE_BINARY_DIR}/fuzz/bin/${target}_fuzzer 60 ${CMAKE_BINARY_DIR}/fuzz-corpus/${target})
    set_tests_properties(fuzz.${target} PROPERTIES LABELS fuzz TIMEOUT 180)
  endforeach()
endif()
