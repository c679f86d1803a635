# Installs the build into STAGE and checks that every file of the desktop
# integration is there.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${STAGE}"
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()
set(expected
  bin/veldamo
  share/applications/veldamo.desktop
  share/metainfo/${APP_ID}.metainfo.xml)
foreach(size IN LISTS SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/veldamo.png)
endforeach()
foreach(f IN LISTS expected)
  if(NOT EXISTS "${STAGE}/${f}")
    message(FATAL_ERROR "missing from the install tree: ${f}")
  endif()
endforeach()
