# Writes a stored window layout with binary properties filled in from files, as hexadecimal in braces:
#
#   cmake -DSOURCE=<in.layout> -DOUTPUT=<out.layout> "-DEMBED=<Component>.<Property>=<file>|..." -P compose_layout.cmake
#
# Each property is written as the first line of the object of that name (which must appear exactly once), so the
# source layout keeps every other setting and the data stays in the files it is made from.
foreach(arg SOURCE OUTPUT EMBED)
  if(NOT DEFINED ${arg})
    message(FATAL_ERROR "compose_layout: ${arg} is required")
  endif()
endforeach()

file(READ "${SOURCE}" layout)
# A leading line break lets the first object be found like every other.
set(layout "\n${layout}")
string(REPLACE "|" ";" embeds "${EMBED}")
foreach(embed IN LISTS embeds)
  if(NOT embed MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\.([A-Za-z0-9_.]+)=(.+)$")
    message(FATAL_ERROR "compose_layout: \"${embed}\" is not <Component>.<Property>=<file>")
  endif()
  set(component "${CMAKE_MATCH_1}")
  set(property "${CMAKE_MATCH_2}")
  set(file "${CMAKE_MATCH_3}")

  string(REGEX MATCHALL "\n *object ${component}: [A-Za-z0-9_]+\n" headers "${layout}")
  list(LENGTH headers count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "compose_layout: ${SOURCE} has ${count} objects named ${component}")
  endif()
  list(GET headers 0 header)
  string(REGEX MATCH "^\n( *)" unused "${header}")
  set(indent "${CMAKE_MATCH_1}  ")

  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "compose_layout: ${file} does not exist")
  endif()
  file(READ "${file}" hex HEX)
  string(TOUPPER "${hex}" hex)
  # 64 digits (32 bytes) per line.
  string(REGEX REPLACE "(................................................................)" "\\1\n${indent}  " hex "${hex}")
  string(REGEX REPLACE "\n *$" "" hex "${hex}")
  string(REPLACE "${header}" "${header}${indent}${property} = {\n${indent}  ${hex}}\n" layout "${layout}")
endforeach()

string(SUBSTRING "${layout}" 1 -1 layout)
file(WRITE "${OUTPUT}" "${layout}")
