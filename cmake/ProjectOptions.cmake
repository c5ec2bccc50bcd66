# Compiler settings shared by every target of ours (not by GoogleTest).

option(PLAYER_SANITIZE "Native flavour: build with AddressSanitizer and UBSan (GCC)" OFF)
include(${CMAKE_CURRENT_LIST_DIR}/Release.cmake)

# player_target_defaults(<target>): warnings as errors; string literals stored as code page 932
# (sources are UTF-8); static runtime and Windows settings on the Windows flavours.
function(player_target_defaults target)
  if(MSVC)
    # Visual Studio (not tried here): the same settings in its own words.
    target_compile_options(${target} PRIVATE /W4 /WX /permissive-
      $<$<COMPILE_LANGUAGE:CXX>:/source-charset:utf-8 /execution-charset:.932>)
    set_property(TARGET ${target} PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror
      $<$<COMPILE_LANGUAGE:CXX>:-finput-charset=UTF-8 -fexec-charset=CP932>)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(WIN32)
    # The program is ANSI throughout: every text is a code page 932 byte string.
    target_compile_definitions(${target} PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    if(NOT MSVC)
      target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
  endif()
endfunction()

if(PLAYER_SANITIZE AND NOT CMAKE_CROSSCOMPILING)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# The two Windows flavours are two test lanes: the 64-bit tree's tests are named win64.* and
# labelled wine and e2e, the 32-bit tree's (run under Wine 10's WoW64 mode) win32.*, wine32 and
# e2e32. PLAYER_FLAVOUR and PLAYER_LANE ("" or "32") name them.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(PLAYER_FLAVOUR win32)
  set(PLAYER_LANE 32)
elseif(WIN32)
  set(PLAYER_FLAVOUR win64)
  set(PLAYER_LANE "")
else()
  set(PLAYER_FLAVOUR native)
  set(PLAYER_LANE "")
endif()

# Every test program runs through tools/run-checked.py, which passes it only when it exits with
# 0, prints its framework's summary of a successful run and no program in it crashed (Wine may
# hand back 0 for a crashed program). KIND: gtest, unittest, result or libfuzzer. GoogleTest runs
# in full, not brief, so the log of a program that died names the test it died in.
set(PLAYER_RUN_CHECKED /usr/bin/python3 ${PROJECT_SOURCE_DIR}/tools/run-checked.py)

# player_add_test(<name> [LABELS <more labels>] SOURCES <files> LIBRARIES <libs> [TIMEOUT <s>]):
# one GoogleTest program. Natively it is labelled "native"; on a Windows flavour it runs under
# Wine through its CROSSCOMPILING_EMULATOR (the build's run-under-wine, or a wrapper a folder
# puts in front of it), is labelled "wine" or "wine32", gets the Wine tests' main() (message
# boxes answered by scripts, child actions) and the program's resources, and holds the display,
# so Wine tests run one at a time beside the native ones.
function(player_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "LABELS;SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  player_target_defaults(${name})
  if(WIN32)
    target_sources(${name} PRIVATE $<TARGET_OBJECTS:wine_test_main>)
    target_link_libraries(${name} PRIVATE ${T_LIBRARIES} test_support_win GTest::gmock GTest::gtest)
    set(labels wine${PLAYER_LANE} ${T_LABELS})
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBRARIES} GTest::gmock GTest::gtest_main)
    set(labels native ${T_LABELS})
  endif()
  set(test_name "${PLAYER_FLAVOUR}.${name}")
  add_test(NAME ${test_name}
    COMMAND ${PLAYER_RUN_CHECKED} --expect gtest --
            "$<TARGET_PROPERTY:${name},CROSSCOMPILING_EMULATOR>" $<TARGET_FILE:${name}>
    COMMAND_EXPAND_LISTS)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${test_name} PROPERTIES LABELS "${labels}" TIMEOUT ${T_TIMEOUT})
  if(WIN32)
    set_tests_properties(${test_name} PROPERTIES RESOURCE_LOCK x-display)
  endif()
endfunction()

# Windows flavours: ctest runs the test programs under Wine in this build's prefix.
if(WIN32 AND CMAKE_CROSSCOMPILING)
  if(NOT PLAYER_WINE_ROOT)
    set(PLAYER_WINE_ROOT ${CMAKE_BINARY_DIR}/wine)
  endif()
  set(PLAYER_SOURCE_DIR ${PROJECT_SOURCE_DIR})
  # ON: the programs run in the Debian 13 root with Wine 10 (tools/wine/wine10-enter), as the
  # 32-bit flavour must; OFF: under the host's Wine.
  option(PLAYER_WINE10 "Run this tree's Windows programs under Wine 10 in its own root" OFF)
  configure_file(${PROJECT_SOURCE_DIR}/tools/wine/run-under-wine.in ${CMAKE_BINARY_DIR}/run-under-wine
    @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/run-under-wine)
endif()
