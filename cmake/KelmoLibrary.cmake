# Each subsystem folder holds its computation (plain C++ over QtCore/QtGui) at
# its top level and its windows in a "formes/" sub-folder that links QtWidgets.
# Sources are globbed so that adding a file needs no CMake edit; the window
# models of core/modeles/ are headers listed with their library.
function(kelmo_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;FORMS_DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/modeles/*.h)
  if(sources)
    add_library(${name} STATIC ${sources})
  else()
    add_library(${name} INTERFACE)
  endif()
  get_target_property(kind ${name} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
  else()
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  endif()

  file(GLOB forms CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/formes/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/formes/*.h)
  if(forms)
    add_library(${name}_formes STATIC ${forms})
    target_link_libraries(${name}_formes PUBLIC ${name} Qt6::Widgets ${ARG_FORMS_DEPENDS})
  else()
    add_library(${name}_formes INTERFACE)
    target_link_libraries(${name}_formes INTERFACE ${name} Qt6::Widgets ${ARG_FORMS_DEPENDS})
  endif()
endfunction()
