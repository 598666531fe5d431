# Runs the picture generator into OUT and compares every file it wrote with
# the committed one.
file(REMOVE_RECURSE ${OUT})
execute_process(
  COMMAND ${PYTHON} ${SOURCE}/resources/pictures/make_pictures.py ${OUT}/pictures --icons ${OUT}/icons
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "make_pictures.py failed: ${result}")
endif()
foreach(kind pictures icons)
  if(kind STREQUAL "pictures")
    set(committed ${SOURCE}/resources/pictures)
  else()
    set(committed ${SOURCE}/packaging/icons)
  endif()
  file(GLOB drawn RELATIVE ${OUT}/${kind} ${OUT}/${kind}/*.png)
  file(GLOB kept RELATIVE ${committed} ${committed}/*.png)
  if(NOT drawn STREQUAL kept)
    message(FATAL_ERROR "${kind}: drawn ${drawn}, committed ${kept}")
  endif()
  foreach(name ${drawn})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${kind}/${name} ${committed}/${name}
                    RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${kind}/${name} differs from the committed file; run make_pictures.py and commit")
    endif()
  endforeach()
endforeach()
