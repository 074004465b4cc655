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
