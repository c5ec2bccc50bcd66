# The release flavour of a Windows build, which cmake/Packages.cmake configures for the packages:
# PLAYER_RELEASE with CMAKE_BUILD_TYPE MinSizeRel (-Os). Every image is statically linked as in
# the other flavours (player_target_defaults); here, in addition, each function and object goes
# into a section of its own so that the linker drops what nothing refers to (little, on 32 bits:
# the unwind tables that the linker must keep refer to every function of an object file), the
# images are stripped, and no path of the machine that built them is compiled in (__FILE__ in
# headers, debug paths: the source and build folders are mapped to ".").

option(PLAYER_RELEASE "Release package build: optimised for size, stripped, no build paths" OFF)

if(PLAYER_RELEASE)
  if(NOT WIN32 OR MSVC)
    message(FATAL_ERROR "PLAYER_RELEASE is for the mingw-w64 Windows flavours")
  endif()
  if(NOT CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    message(FATAL_ERROR "PLAYER_RELEASE needs CMAKE_BUILD_TYPE=MinSizeRel")
  endif()
  add_compile_options(-ffunction-sections -fdata-sections
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
  # No link time in the image headers: relinking the same objects gives the same bytes.
  add_link_options(-Wl,--gc-sections -s -Wl,--no-insert-timestamp)
endif()

# In every mingw-w64 flavour (so that the tests build what ships), the string classes are
# instantiated where they are used (cmake/runtime/InlineStrings.h says why).
if(WIN32 AND NOT MSVC)
  add_compile_options(
    "$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${PROJECT_SOURCE_DIR}/cmake/runtime/InlineStrings.h>")
endif()

# player_image_defaults(<target>): for the program and VBMP3.DLL, in every mingw-w64 flavour (so
# the tests run what ships): the runtime's terminate handler without its name demangler
# (cmake/runtime/QuietTerminate.cpp says why).
# In the release flavour the linker also writes a map of the image, <build>/<target>.map, for
# tools/bench/image-size-breakdown.py.
function(player_image_defaults target)
  if(WIN32 AND NOT MSVC)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/runtime/QuietTerminate.cpp)
    if(PLAYER_RELEASE)
      target_link_options(${target} PRIVATE -Wl,-Map=${CMAKE_BINARY_DIR}/${target}.map)
    endif()
  endif()
endfunction()
