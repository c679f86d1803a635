# Regenerates the cursor and the icon from their drawings into OUT and
# compares them byte for byte with the committed resources.
file(MAKE_DIRECTORY "${OUT}")
foreach(pair "cursor;mycsr;cur" "icon;mainicon;ico")
  list(GET pair 0 kind)
  list(GET pair 1 name)
  list(GET pair 2 ext)
  execute_process(
    COMMAND "${GENERATOR}" ${kind} "${DRAWINGS}/${name}.txt" "${OUT}/${name}.${ext}"
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "veldamo_icons failed on ${name}.txt (${rc})")
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${name}.${ext}" "${RESOURCES}/${name}.${ext}"
    RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "resources/${name}.${ext} differs from what tools/icons/${name}.txt "
                        "gives; build the target veldamo_update_icons and commit the result")
  endif()
endforeach()
