# Adds the import checks of both Gesticon.dll builds to CTest (included by
# assistant/CMakeLists.txt): what each imports, read by the target's objdump,
# against the allow-list, and the oldest Windows its PE header names.
find_program(GESTICON_OBJDUMP_I686 i686-w64-mingw32-objdump REQUIRED)
find_program(GESTICON_OBJDUMP_X86_64 x86_64-w64-mingw32-objdump REQUIRED)
set(_imports_dir ${CMAKE_CURRENT_LIST_DIR})
add_test(NAME gesticon.imports.win32
  COMMAND ${_imports_dir}/check-imports ${GESTICON_OBJDUMP_I686} ${GESTICON_WIN32_DIR}/Gesticon.dll
          ${_imports_dir}/allowed-imports.txt win32 5.1)
add_test(NAME gesticon.imports.win64
  COMMAND ${_imports_dir}/check-imports ${GESTICON_OBJDUMP_X86_64} ${GESTICON_WIN64_DIR}/Gesticon.dll
          ${_imports_dir}/allowed-imports.txt win64 5.2)
# Each DLL, the built-in characters' frames included, stays under 3 MB.
foreach(target win32 win64)
  string(TOUPPER ${target} _upper)
  add_test(NAME gesticon.size.${target}
    COMMAND sh -c "size=$(stat -c %s \"$0\"); echo \"$0: $size bytes\"; [ \"$size\" -lt 3145728 ]"
            ${GESTICON_${_upper}_DIR}/Gesticon.dll)
endforeach()
