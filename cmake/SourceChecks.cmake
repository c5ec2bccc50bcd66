# Checks of the sources themselves, run with the native tests:
#   source.format   every C++ source is formatted as .clang-format says (clang-format-14)
#   source.layers   includes run only from a folder to the layers below it
add_test(NAME source.format COMMAND ${CMAKE_SOURCE_DIR}/tools/check-format.sh)
add_test(NAME source.layers COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tools/check-layers.py)
set_tests_properties(source.format source.layers PROPERTIES LABELS "native;source")
