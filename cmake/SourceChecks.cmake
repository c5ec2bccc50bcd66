# Checks of the sources themselves, run with the native tests:
#   source.format   every C++ source is formatted as .clang-format says (clang-format-14)
add_test(NAME source.format COMMAND ${CMAKE_SOURCE_DIR}/tools/check-format.sh)
set_tests_properties(source.format PROPERTIES LABELS "native;source")
