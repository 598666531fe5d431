# PEGLORE_ONLY: an optional list of source folders (relative to the top,
# e.g. "platform/profile;tests/platform/profile") to limit a build to the
# modules being worked on. Empty builds everything.
set(PEGLORE_ONLY "" CACHE STRING "Limit the build to these source folders")

# True when folder REL (relative to the top) lies on the way to, or inside,
# one of the PEGLORE_ONLY folders.
function(peglore_folder_wanted rel out)
  if(NOT PEGLORE_ONLY)
    set(${out} TRUE PARENT_SCOPE)
    return()
  endif()
  foreach(only ${PEGLORE_ONLY})
    string(FIND "${only}/" "${rel}/" on_the_way)
    string(FIND "${rel}/" "${only}/" inside)
    if(on_the_way EQUAL 0 OR inside EQUAL 0)
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

function(peglore_add_subdirectory dir)
  file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
  peglore_folder_wanted(${rel} wanted)
  if(wanted)
    add_subdirectory(${dir})
  endif()
endfunction()

# Adds every direct subfolder of the current source folder that has a
# CMakeLists.txt, in name order, so modules can be added without editing
# a shared list.
function(peglore_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      peglore_add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# peglore_add_test(NAME SOURCES a.cpp ... LIBS lib ... [ENV VAR=value ...] [TIMEOUT s])
# A Qt Test executable registered with CTest. Widget tests run on the
# offscreen platform, so no display is needed.
function(peglore_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${T_ENV}"
    TIMEOUT ${T_TIMEOUT})
endfunction()
