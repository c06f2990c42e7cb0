# Test driver (cmake -P): the painter reads a level's ground file as data. Hand-made
# ground files that call, loop, come precompiled or hold the wrong shape stop the
# art tool (exit code not 0) with a message naming the file, and nothing they ask
# for happens; the committed ground of a level still reads.
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

function(expect_refused text expected)
  file(WRITE ${WORK}/terrain/level900.lua "${text}")
  execute_process(COMMAND ${TOOL} ${WORK}/manifest.lua ${WORK}/out RESULT_VARIABLE result ERROR_VARIABLE errors
                  OUTPUT_QUIET)
  if(result EQUAL 0)
    message(FATAL_ERROR "art_tool accepted the ground file\n${text}")
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

file(WRITE ${WORK}/terrain/level900.lua "${good}")
execute_process(COMMAND ${TOOL} ${WORK}/manifest.lua ${WORK}/out RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "art_tool refused the committed ground ${GOOD}:\n${errors}")
endif()
