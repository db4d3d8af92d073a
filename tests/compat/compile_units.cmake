# Compiles every C unit of UNIT_DIR, syntax only and warning-free, against one
# header set: the engine's (ENGINE_INCLUDE) or Axis2/C's own (AXIS2C_HEADERS),
# so that code written for the engine still builds on Axis2/C. The checks that
# matter most there are errors: an implicit declaration (a function Axis2/C
# does not declare; on 64-bit its pointer result would be truncated), an
# int/pointer mix and an incompatible pointer.
#
#   cmake -DCC=cc -DUNIT_DIR=dir (-DENGINE_INCLUDE=dir | -DAXIS2C_HEADERS=dir) -P compile_units.cmake
#
# Prints "SKIPPED: ..." (the test's skip pattern) when AXIS2C_HEADERS is absent.

if(DEFINED AXIS2C_HEADERS)
  if(NOT IS_DIRECTORY "${AXIS2C_HEADERS}/util/include")
    message("SKIPPED: no Axis2/C headers at ${AXIS2C_HEADERS} (configure with -DTARVEL_AXIS2C_HEADERS=<dir>)")
    return()
  endif()
  set(includes -I${AXIS2C_HEADERS}/include -I${AXIS2C_HEADERS}/util/include
               -I${AXIS2C_HEADERS}/axiom/include -I${AXIS2C_HEADERS}/neethi/include)
else()
  set(includes -I${ENGINE_INCLUDE})
endif()

file(GLOB units "${UNIT_DIR}/*.c")
list(LENGTH units count)
if(count EQUAL 0)
  message(FATAL_ERROR "no C units in ${UNIT_DIR}")
endif()

set(failed "")
foreach(unit IN LISTS units)
  execute_process(
    COMMAND "${CC}" -std=c99 -fsyntax-only -Wall -Wextra
            -Werror=implicit-function-declaration -Werror=int-conversion
            -Werror=incompatible-pointer-types ${includes} "${unit}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  get_filename_component(name "${unit}" NAME)
  if(NOT status EQUAL 0 OR NOT output STREQUAL "")
    message("${name}:\n${output}")
    list(APPEND failed "${name}")
  endif()
endforeach()

if(failed)
  list(LENGTH failed bad)
  message(FATAL_ERROR "${bad} of ${count} units do not compile cleanly: ${failed}")
endif()
message("${count} units compile cleanly")
