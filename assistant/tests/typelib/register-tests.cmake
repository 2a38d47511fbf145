# Adds the type-library checks of Gesticon to CTest (included by
# assistant/CMakeLists.txt). They use a Wine prefix of their own, so they
# never wait for, or disturb, the prefix of the other Wine tests.
add_test(NAME gesticon.typelib.checks
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-typelib-checks
          ${CMAKE_BINARY_DIR}/assistant/wine-typelib-prefix ${GESTICON_WIN64_DIR} ${GESTICON_WIN32_DIR})
set_tests_properties(gesticon.typelib.checks PROPERTIES
  RESOURCE_LOCK gesticon_typelib_prefix TIMEOUT 300)
