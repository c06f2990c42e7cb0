# Test driver (cmake -P): the painter reads a level's ground file as data. Hand-made
# ground files that call, loop, come precompiled, hide code behind a comment ended by
# a carriage return, are too long, are no regular file or hold the wrong shape stop
# the art tool (exit code not 0) with a message naming the file, and nothing they ask
# for happens; the committed ground of a level still reads. Each run has a time limit
# far above its second or so, so that a tool that hangs fails the test.
#   -DTOOL=art_tool -DART=tools/art_tool -DGOOD=a committed ground file -DWORK=scratch folder
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/terrain)
set(marker ${WORK}/touched)
file(WRITE ${WORK}/manifest.lua
  "manifest_folder = \"${ART}\"\nterrain_folder = \"${WORK}/terrain\"\ninclude(\"art_common.lua\")\n"
  "include(\"art_terrain.lua\")\n"
  "terrain_scene(\"900\", 900)\n")
file(READ ${GOOD} good)
string(ASCII 27 escape)
string(ASCII 13 cr)
set(limit 60)

function(expect_refused_as_is expected)
  execute_process(COMMAND ${TOOL} ${WORK}/manifest.lua ${WORK}/out RESULT_VARIABLE result ERROR_VARIABLE errors
                  OUTPUT_QUIET TIMEOUT ${limit})
  if(result EQUAL 0 OR NOT result MATCHES "^[0-9]+$")
    message(FATAL_ERROR "art_tool accepted (or hung on) the ground file (${result}):\n${errors}")
  endif()
  string(FIND "${errors}" "${expected}" found)
  string(FIND "${errors}" "level900.lua" named)
  if(found EQUAL -1 OR named EQUAL -1)
    message(FATAL_ERROR "art_tool refused the ground file without naming it and \"${expected}\":\n${errors}")
  endif()
endfunction()

function(expect_refused text expected)
  file(WRITE ${WORK}/terrain/level900.lua "${text}")
  execute_process(COMMAND ${TOOL} ${WORK}/manifest.lua ${WORK}/out RESULT_VARIABLE result ERROR_VARIABLE errors
                  OUTPUT_QUIET TIMEOUT ${limit})
  if(result EQUAL 0 OR NOT result MATCHES "^[0-9]+$")
    message(FATAL_ERROR "art_tool accepted (or hung on) the ground file (${result})\n${text}")
  endif()
  string(FIND "${errors}" "${expected}" found)
  string(FIND "${errors}" "level900.lua" named)
  if(found EQUAL -1 OR named EQUAL -1)
    message(FATAL_ERROR "art_tool refused\n${text}\nwithout naming the file and \"${expected}\":\n${errors}")
  endif()
  if(EXISTS ${marker})
    message(FATAL_ERROR "the ground file\n${text}\nran a command")
  endif()
endfunction()

expect_refused("os.execute(\"touch ${marker}\")\n${good}" "'.' at line 1")
expect_refused("print(\"x\")\n${good}" "'(' at line 1")
expect_refused("return { name = os.execute(\"touch ${marker}\") }" "'.' at line 1")
expect_refused("return { name = (\"x\"):rep(9) }" "'(' at line 1")
expect_refused("while 1 do end return {}" "'while' at line 1")
expect_refused("local s = \"x\" return { name = s .. s }" "'local' at line 1")
expect_refused("${escape}LuaQ" "is a precompiled chunk")
# No call, so it runs, in an empty environment where `os` is nothing; its shape stops it.
expect_refused("return { name = os, season = \"summer\" }" "name is not a plain word")
expect_refused("return { name = \"900\", season = \"summer\", rows = {} }" "origin is not two numbers")
expect_refused("return { name = \"900\", text = \"x\" }" "holds the unknown field text")
string(REPLACE "TTTT" "TT#T" broken "${good}")
expect_refused("${broken}" "rows entry")
# Lua ends a comment at a lone carriage return: what follows is code, and is scanned.
expect_refused("-- the ground${cr}while true do end\n${good}" "'while' at line 1")
expect_refused("-- the ground${cr}return { name = (\"x\"):rep(268435456) }" "'(' at line 1")
expect_refused("-- the ground${cr}os.execute(\"touch ${marker}\")\n${good}" "'.' at line 1")
# One byte over the ground files' limit, which the level tool also keeps to.
string(LENGTH "${good}" good_length)
math(EXPR padding_length "65536 - ${good_length} + 1")
string(REPEAT " " ${padding_length} padding)
expect_refused("${good}${padding}" "is larger than 65536 bytes")
# A FIFO, or a folder, in the file's place is refused without waiting for a writer.
file(REMOVE ${WORK}/terrain/level900.lua)
execute_process(COMMAND mkfifo ${WORK}/terrain/level900.lua RESULT_VARIABLE made)
if(NOT made EQUAL 0)
  message(FATAL_ERROR "cannot make a FIFO for the test")
endif()
expect_refused_as_is("is not a regular file")
file(REMOVE ${WORK}/terrain/level900.lua)
file(MAKE_DIRECTORY ${WORK}/terrain/level900.lua)
expect_refused_as_is("is not a regular file")
file(REMOVE_RECURSE ${WORK}/terrain/level900.lua)

file(WRITE ${WORK}/terrain/level900.lua "${good}")
execute_process(COMMAND ${TOOL} ${WORK}/manifest.lua ${WORK}/out RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "art_tool refused the committed ground ${GOOD}:\n${errors}")
endif()
