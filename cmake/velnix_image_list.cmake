# Image lists packed at build time from PNG files by the imagelist tool, so the PNG files stay the source of
# truth. The tool runs on the build machine: the host build uses its own imagelist target; a cross build
# builds the tool for the host first, in its own tree (build/windows/host-tools), unless VELNIX_HOST_IMAGELIST
# names a host-built imagelist to use instead.
#
#   velnix_pack_image_list(OUTPUT <file.dat> PNGS <file.png>...)
#
# writes the image list's stored picture data ("PictureList.Data"): one picture per file, named by the file name
# without its extension, in the order given.

if(CMAKE_CROSSCOMPILING)
  set(VELNIX_HOST_IMAGELIST "" CACHE FILEPATH "A host-built imagelist tool for the cross build (empty: build one)")
  if(VELNIX_HOST_IMAGELIST)
    set(VELNIX_IMAGELIST ${VELNIX_HOST_IMAGELIST})
    set(VELNIX_IMAGELIST_DEPENDS ${VELNIX_HOST_IMAGELIST})
  else()
    include(ExternalProject)
    set(host_tools_dir ${CMAKE_BINARY_DIR}/host-tools)
    # The same sources built with the host compiler, tools only. Always asked to build (a no-op when nothing
    # changed), so the tool follows the sources it is made from.
    ExternalProject_Add(velnix_host_tools
      SOURCE_DIR ${CMAKE_SOURCE_DIR}
      BINARY_DIR ${host_tools_dir}
      CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DVELNIX_BUILD_TESTS=OFF -DVELNIX_HOST_TOOLS_ONLY=ON
      CMAKE_GENERATOR ${CMAKE_GENERATOR}
      BUILD_COMMAND ${CMAKE_COMMAND} --build ${host_tools_dir} --target imagelist
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${host_tools_dir}/tools/imagelist
      USES_TERMINAL_BUILD ON)
    set(VELNIX_IMAGELIST ${host_tools_dir}/tools/imagelist)
    set(VELNIX_IMAGELIST_DEPENDS velnix_host_tools ${host_tools_dir}/tools/imagelist)
  endif()
else()
  set(VELNIX_IMAGELIST $<TARGET_FILE:imagelist>)
  set(VELNIX_IMAGELIST_DEPENDS imagelist)
endif()

function(velnix_pack_image_list)
  cmake_parse_arguments(ARG "" "OUTPUT" "PNGS" ${ARGN})
  if(NOT ARG_OUTPUT OR NOT ARG_PNGS)
    message(FATAL_ERROR "velnix_pack_image_list: OUTPUT and PNGS are required")
  endif()
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND ${VELNIX_IMAGELIST} pack ${ARG_OUTPUT} ${ARG_PNGS}
    DEPENDS ${ARG_PNGS} ${VELNIX_IMAGELIST_DEPENDS}
    COMMENT "Packing the image list ${ARG_OUTPUT}"
    VERBATIM)
endfunction()

# A stored window layout with binary properties filled in from build outputs (cmake/compose_layout.cmake):
#
#   velnix_compose_layout(OUTPUT <out.layout> SOURCE <in.layout> EMBED <Component>.<Property> <file> ...)
function(velnix_compose_layout)
  cmake_parse_arguments(ARG "" "OUTPUT;SOURCE" "EMBED" ${ARGN})
  if(NOT ARG_OUTPUT OR NOT ARG_SOURCE)
    message(FATAL_ERROR "velnix_compose_layout: OUTPUT and SOURCE are required")
  endif()
  set(embeds)
  set(files)
  while(ARG_EMBED)
    list(POP_FRONT ARG_EMBED property file)
    if(NOT file)
      message(FATAL_ERROR "velnix_compose_layout: EMBED takes pairs of a property and a file")
    endif()
    list(APPEND embeds "${property}=${file}")
    list(APPEND files ${file})
  endwhile()
  list(JOIN embeds "|" embed_arg)
  set(script ${CMAKE_SOURCE_DIR}/cmake/compose_layout.cmake)
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${ARG_SOURCE} -DOUTPUT=${ARG_OUTPUT} -DEMBED=${embed_arg} -P ${script}
    DEPENDS ${ARG_SOURCE} ${files} ${script}
    COMMENT "Composing the layout ${ARG_OUTPUT}"
    VERBATIM)
endfunction()
