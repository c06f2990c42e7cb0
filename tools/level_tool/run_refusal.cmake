# Test driver (cmake -P): a source the level tool must refuse. The compile exits with
# a code other than 0, says EXPECTED on its standard error, and writes neither the
# level nor its ground file.
#   -DTOOL=level_tool -DSOURCE=the source -DEXPECTED=message -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${TOOL} compile --terrain ${WORK}/terrain.lua ${SOURCE} ${WORK}/level.lvl
  RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_VARIABLE output TIMEOUT 60)
if(result EQUAL 0)
  message(FATAL_ERROR "the level tool compiled ${SOURCE} (exit code 0):\n${errors}")
endif()
string(FIND "${errors}" "${EXPECTED}" found)
if(found EQUAL -1)
  message(FATAL_ERROR "the level tool refused ${SOURCE} without saying \"${EXPECTED}\":\n${errors}${output}")
endif()
foreach(written level.lvl terrain.lua)
  if(EXISTS ${WORK}/${written})
    message(FATAL_ERROR "the level tool refused ${SOURCE} but wrote ${written}")
  endif()
endforeach()
