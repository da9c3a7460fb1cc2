# Resources linked into Windows targets.
#
# korvale_form_resource(TARGET NAME FILE [BASE DIR] [DEPENDS FILE...]): compiles the .form
# text FILE with the host tool formc at build time and links the binary stream into TARGET
# as the RCDATA resource NAME. {file ...} values in the form are read relative to BASE
# (default: the repository root); files the build produces for them go in DEPENDS.
function(korvale_form_resource target name file)
  cmake_parse_arguments(FORM "" "BASE" "DEPENDS" ${ARGN})
  if(NOT FORM_BASE)
    set(FORM_BASE ${CMAKE_SOURCE_DIR})
  endif()
  korvale_host_tool(formc_path formc)
  get_filename_component(source ${file} ABSOLUTE)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/forms)
  set(stream ${out_dir}/${name}.kfrm)
  set(script ${out_dir}/${name}.rc)
  set(object ${out_dir}/${name}.res.o)
  file(MAKE_DIRECTORY ${out_dir})
  file(CONFIGURE OUTPUT ${script} CONTENT "${name} RCDATA \"${stream}\"\n")
  add_custom_command(OUTPUT ${stream}
    COMMAND ${formc_path} ${source} ${stream} --base ${FORM_BASE}
    DEPENDS ${source} ${formc_path} ${FORM_DEPENDS}
    COMMENT "Compiling form ${file}" VERBATIM)
  korvale_link_resource(${target} ${script} ${object} ${stream})
endfunction()

# korvale_icon_resource(TARGET NAME FILE): links the .ico FILE (made by the build) into
# TARGET as the icon resource NAME.
function(korvale_icon_resource target name file)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/icons)
  set(script ${out_dir}/${name}.rc)
  set(object ${out_dir}/${name}.res.o)
  file(MAKE_DIRECTORY ${out_dir})
  file(CONFIGURE OUTPUT ${script} CONTENT "${name} ICON \"${file}\"\n")
  korvale_link_resource(${target} ${script} ${object} ${file})
endfunction()

# Compiles the resource SCRIPT, whose data is DATA, into OBJECT and links it into TARGET.
function(korvale_link_resource target script object data)
  add_custom_command(OUTPUT ${object}
    COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${script} -o ${object}
    DEPENDS ${script} ${data}
    COMMENT "Linking ${data} as a resource" VERBATIM)
  set_source_files_properties(${object} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  target_sources(${target} PRIVATE ${object})
endfunction()
