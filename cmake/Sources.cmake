# Each layer folder holds a CMakeLists.txt of its own; these helpers keep those short and
# the same. Sources are listed by folder so that a new file needs no edit here.
function(korvale_sources out dir)
  file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

macro(korvale_add_layer_dirs)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endmacro()

# Every subfolder of DIR that has a CMakeLists.txt is a target folder of its own.
function(korvale_add_child_dirs dir)
  file(GLOB children CONFIGURE_DEPENDS ${dir}/*/CMakeLists.txt)
  list(SORT children)
  foreach(child ${children})
    get_filename_component(child_dir ${child} DIRECTORY)
    add_subdirectory(${child_dir})
  endforeach()
endfunction()

# The path of a host tool, for build steps of the Windows tree.
function(korvale_host_tool out name)
  if(KORVALE_WINDOWS)
    if(NOT KORVALE_HOST_BIN)
      message(FATAL_ERROR "KORVALE_HOST_BIN must name the host tree's bin folder")
    endif()
    set(${out} ${KORVALE_HOST_BIN}/${name} PARENT_SCOPE)
  else()
    set(${out} $<TARGET_FILE:${name}> PARENT_SCOPE)
  endif()
endfunction()

# A Windows layer: one static library of the folder's sources, linked by the program and by
# the Windows tests. DEPS are lower layers and system libraries.
function(korvale_layer name)
  # Layers are added low to high, so a layer may link only targets that exist already.
  foreach(dep ${ARGN})
    if(dep MATCHES "^korvale_" AND NOT TARGET ${dep})
      message(FATAL_ERROR "${name} links ${dep}, which is not a lower layer")
    endif()
  endforeach()
  korvale_sources(layer_sources ${CMAKE_CURRENT_SOURCE_DIR})
  add_library(${name} STATIC ${layer_sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
  korvale_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY KORVALE_WIN_LIBS ${name})
endfunction()
