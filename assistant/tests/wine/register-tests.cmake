# The Wine tests of Gesticon, added to CTest by the assistant's native build.
# All of them run in one prefix under the build folder, prepared once per run
# by a fixture test, and hold the "wineprefix" lock so they never overlap.
set(_wine_tests_dir ${CMAKE_CURRENT_LIST_DIR})
set(GESTICON_WINE_PREFIX ${CMAKE_BINARY_DIR}/assistant/wine-prefix
    CACHE INTERNAL "Wine prefix shared by Gesticon's Wine tests")
set(_run ${_wine_tests_dir}/run-in-prefix ${GESTICON_WINE_PREFIX})
set(_run_on_screen ${_wine_tests_dir}/run-in-prefix --screen ${GESTICON_WINE_PREFIX})
set(_around ${_wine_tests_dir}/regsvr-around ${GESTICON_WINE_PREFIX})

add_test(NAME gesticon.wine.prefix
  COMMAND ${CMAKE_SOURCE_DIR}/assistant/wine/make-prefix ${CMAKE_BINARY_DIR} ${GESTICON_WINE_PREFIX})
set_tests_properties(gesticon.wine.prefix PROPERTIES
  FIXTURES_SETUP GesticonWinePrefix RESOURCE_LOCK wineprefix TIMEOUT 300)

function(gesticon_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED GesticonWinePrefix RESOURCE_LOCK wineprefix TIMEOUT 300)
endfunction()

gesticon_wine_test(gesticon.wine.standin ${_run} ${GESTICON_WIN64_DIR}/standin_check.exe)
gesticon_wine_test(gesticon.wine.client ${_run_on_screen} ${GESTICON_WIN64_DIR}/gesticon_client.exe)
# cscript exits 0 even when its script dies half-way, so a script test passes
# only on the script's own last line: all of its CHECKS run, none failed.
function(gesticon_script_test name script label checks)
  gesticon_wine_test(${name} ${_run_on_screen} cscript //nologo ${_wine_tests_dir}/${script})
  set_tests_properties(${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "(^|\n)${label}: ${checks} passed, 0 failed\r?\n?$")
endfunction()
gesticon_script_test(gesticon.wine.vbscript gesticon_client.vbs vbscript 17)
gesticon_script_test(gesticon.wine.jscript gesticon_client.js jscript 17)
gesticon_wine_test(gesticon.wine.invoke_fuzz ${_run} ${GESTICON_WIN64_DIR}/invoke_fuzz.exe)
gesticon_wine_test(gesticon.wine.object_churn ${_run} ${GESTICON_WIN64_DIR}/object_churn.exe)
# Without the control, the built-in assistant: its windows, balloon, menu and
# voice (the stand-in's), and screenshots of each character kept in the build.
set(GESTICON_SCREENSHOTS ${CMAKE_BINARY_DIR}/assistant/screenshots)
file(MAKE_DIRECTORY ${GESTICON_SCREENSHOTS})
set(_without_control ${_around} -u "C:\\windows\\msagent\\AgentStandIn.dll")
gesticon_wine_test(gesticon.wine.builtin
  ${_without_control} -- ${_run_on_screen} ${GESTICON_WIN64_DIR}/builtin_client.exe ${GESTICON_SCREENSHOTS})
# Wine's own speech in place of the voice's stand-in: no crash, no hang.
gesticon_wine_test(gesticon.wine.builtin_wine_voice
  ${_without_control} -u "C:\\windows\\system32\\VoiceStandIn.dll" -r "C:\\windows\\system32\\Speech\\Common\\sapi.dll"
  -- ${_run_on_screen} ${GESTICON_WIN64_DIR}/builtin_client.exe wine-voice)
set_tests_properties(gesticon.wine.builtin_wine_voice PROPERTIES TIMEOUT 120)

# A prefix of its own where the control was never installed, for the script test.
set(GESTICON_BARE_PREFIX ${CMAKE_BINARY_DIR}/assistant/wine-prefix-without-control)
add_test(NAME gesticon.wine.prefix_without_control
  COMMAND ${CMAKE_SOURCE_DIR}/assistant/wine/make-prefix --without-control ${CMAKE_BINARY_DIR} ${GESTICON_BARE_PREFIX})
set_tests_properties(gesticon.wine.prefix_without_control PROPERTIES
  FIXTURES_SETUP GesticonBarePrefix RESOURCE_LOCK wineprefix_bare TIMEOUT 300)
add_test(NAME gesticon.wine.builtin_vbscript
  COMMAND ${_wine_tests_dir}/run-in-prefix --screen ${GESTICON_BARE_PREFIX} cscript //nologo
          ${_wine_tests_dir}/gesticon_client.vbs builtin)
set_tests_properties(gesticon.wine.builtin_vbscript PROPERTIES
  FIXTURES_REQUIRED GesticonBarePrefix RESOURCE_LOCK wineprefix_bare TIMEOUT 300
  PASS_REGULAR_EXPRESSION "(^|\n)vbscript builtin: 27 passed, 0 failed\r?\n?$")
gesticon_wine_test(gesticon.wine.unregistration
  ${_wine_tests_dir}/check-unregistration ${GESTICON_WINE_PREFIX} ${GESTICON_WIN64_DIR}/registry_check.exe)
