# The release packages, driven from the native tree like the other flavours:
#   build/release-win32, build/release-win64   PLAYER_RELEASE builds of the program and VBMP3.DLL
#                                              alone (no tests: cmake/Release.cmake)
#   build/packages/VizuRE3-<version>-<arch>.zip  packed by tools/package/make_zip.py
#   ctest -L package                           what each zip holds; each program starts and
#                                              ends under Wine (the 32-bit one under Wine 10)
# `cmake --build build --target packages` (tools/make-packages.sh) builds just these.
if(NOT PLAYER_WINDOWS_BUILDS)
  return()
endif()

set(PLAYER_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages)
set(package_commands)
foreach(arch win32 win64)
  string(REPLACE "win" "" bits ${arch})
  set(toolchain ${CMAKE_SOURCE_DIR}/cmake/toolchain-mingw${bits}.cmake)
  ExternalProject_Add(release-${arch}
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${CMAKE_BINARY_DIR}/release-${arch}
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${toolchain}
      -DCMAKE_BUILD_TYPE=MinSizeRel
      -DPLAYER_RELEASE=ON
      # No GoogleTest: the release trees build no tests.
      -DPLAYER_GTEST_DIR=${CMAKE_BINARY_DIR}/release-without-tests
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target VizuRE3 vbmp3
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  list(APPEND package_commands
    COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tools/package/make_zip.py
            --bin ${CMAKE_BINARY_DIR}/release-${arch}/bin --arch ${arch}
            --version ${PROJECT_VERSION} --out ${PLAYER_PACKAGE_DIR})

  set(test_args --zip ${PLAYER_PACKAGE_DIR}/VizuRE3-${PROJECT_VERSION}-${arch}.zip --arch ${arch}
    --version ${PROJECT_VERSION} --forbid ${CMAKE_SOURCE_DIR} --forbid ${CMAKE_BINARY_DIR})
  # The unpacked program starts and ends: the 64-bit one under the host's Wine, the 32-bit one
  # under Wine 10 as the 32-bit tests run (cmake/SubBuilds.cmake).
  if(arch STREQUAL "win64")
    list(APPEND test_args --runner ${CMAKE_BINARY_DIR}/win64/run-under-wine
      --wine-root ${PLAYER_WINE_ROOT})
  else()
    list(APPEND test_args --runner ${CMAKE_BINARY_DIR}/win32/run-under-wine
      --wine-root ${PLAYER_WINE10_ROOT})
  endif()
  add_test(NAME package.${arch}
    COMMAND ${PLAYER_RUN_CHECKED} --expect unittest --
            /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/package/test_package.py ${test_args})
  set_tests_properties(package.${arch} PROPERTIES LABELS package TIMEOUT 180
    RESOURCE_LOCK x-display)
endforeach()

add_custom_target(packages ALL ${package_commands}
  DEPENDS release-win32 release-win64
  COMMENT "Packing the release builds into ${PLAYER_PACKAGE_DIR}")
