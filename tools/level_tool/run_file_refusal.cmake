# Test driver (cmake -P): the level tool reads a source, and every module it
# requires, only from a regular file of a sane size. A FIFO (which would block the
# tool for good), a folder, a link to an endless device and a file over the limit
# each stop the compile with a code other than 0 and a message naming the file, and
# no level is written. Each run has a time limit far above its fraction of a second,
# so that a tool that hangs fails the test.
#   -DTOOL=level_tool -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/lib)
set(limit 60)

function(expect_refused source named expected)
  execute_process(COMMAND ${TOOL} compile --lib ${WORK}/lib ${source} ${WORK}/level.lvl
    RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET TIMEOUT ${limit})
  if(result EQUAL 0 OR NOT result MATCHES "^[0-9]+$")
    message(FATAL_ERROR "the level tool accepted (or hung on) ${named} (${result}):\n${errors}")
  endif()
  string(FIND "${errors}" "${named}: ${expected}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "the level tool refused ${source} without saying \"${named}: ${expected}\":\n${errors}")
  endif()
  if(EXISTS ${WORK}/level.lvl)
    message(FATAL_ERROR "the level tool refused ${source} but wrote the level")
  endif()
endfunction()

execute_process(COMMAND mkfifo ${WORK}/fifo.lua ${WORK}/lib/fifo_module.lua RESULT_VARIABLE made)
if(NOT made EQUAL 0)
  message(FATAL_ERROR "cannot make a FIFO for the test")
endif()
file(MAKE_DIRECTORY ${WORK}/folder.lua ${WORK}/lib/folder_module.lua)
file(CREATE_LINK /dev/zero ${WORK}/zero.lua SYMBOLIC)
file(CREATE_LINK /dev/zero ${WORK}/lib/zero_module.lua SYMBOLIC)
# One byte over the limit of a source: a comment line of 1 MB.
string(REPEAT "-" 1048577 long)
file(WRITE ${WORK}/long.lua "${long}")

foreach(name fifo folder zero)
  expect_refused(${WORK}/${name}.lua ${WORK}/${name}.lua "is not a regular file")
  file(WRITE ${WORK}/requires_${name}.lua "require(\"${name}_module\")\n")
  expect_refused(${WORK}/requires_${name}.lua ${WORK}/lib/${name}_module.lua "is not a regular file")
endforeach()
expect_refused(${WORK}/long.lua ${WORK}/long.lua "is larger than 1048576 bytes")
