# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by every subsystem's CMakeLists.

# baltor_library(name SOURCES ... LIBS ...): one static library per subsystem.
function(baltor_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# baltor_test(name SOURCES ... LIBS ... [LABELS ...]): a QtTest executable run by CTest
# on the offscreen platform, so no display is needed.
function(baltor_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  add_dependencies(${name} baltor_data)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${BALTOR_BIN_DIR})
  set(labels unit)
  if(ARG_LABELS)
    set(labels ${ARG_LABELS})
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;BALTOR_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    LABELS "${labels}"
    TIMEOUT 300)
endfunction()

# Adds every sub-folder of the current folder that has a CMakeLists.txt, in the given order
# first, then any other one: a new subsystem plugs in without editing a shared file.
# BALTOR_IGNORE (a list of folder names) leaves some out, to build a part while another is in pieces.
set(BALTOR_IGNORE "" CACHE STRING "Sub-folders of src/, tests/ and tools/ to leave out of the build")
function(baltor_add_subdirs)
  set(done ${BALTOR_IGNORE})
  foreach(d ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/CMakeLists.txt)
      add_subdirectory(${d})
      list(APPEND done ${d})
    endif()
  endforeach()
  file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(d ${children})
    if(NOT d IN_LIST done AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${d}/CMakeLists.txt)
      add_subdirectory(${d})
    endif()
  endforeach()
endfunction()
