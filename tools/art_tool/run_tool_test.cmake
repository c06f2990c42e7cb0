# Test driver (cmake -P): runs the art tool on the manifest into a scratch folder,
# checks that it succeeds and writes the pictures the game looks for, and that
# every description script it writes matches the committed one in data/texture, and
# so does every scene background it paints.
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${TOOL} ${MANIFEST} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "art_tool exited with ${result}")
endif()
foreach(required system/cursor_pointer.png system/gui_system.png system/gui_system.lua
                 system/loading_base.png system/loading_progress.png system/loading_image0.png
                 system/icon_error.png splash/splash_title.png
                 objects/sources.png objects/fields.png objects/barriers.png objects/buildings.png
                 objects/workers.png objects/workers_extra.png
                 objects/plants.png objects/plants_gold.png objects/specials.png objects/specials_big.png
                 objects/altars.png particles/effect_fire.png
                 objects/enemies.png objects/enemies_magic.png objects/heroes.png objects/towers.png
                 gui/task_worker.png gui/task_life_water.png)
  if(NOT EXISTS ${OUTPUT}/${required})
    message(FATAL_ERROR "art_tool did not write ${required}")
  endif()
endforeach()
get_filename_component(tool_folder ${MANIFEST} DIRECTORY)
set(committed ${tool_folder}/../../data/texture)
file(GLOB_RECURSE scripts RELATIVE ${OUTPUT} ${OUTPUT}/*.lua)
foreach(script ${scripts})
  file(READ ${OUTPUT}/${script} made)
  if(NOT EXISTS ${committed}/${script})
    message(FATAL_ERROR "${script} is not in data/texture: run art_tool into data/texture")
  endif()
  file(READ ${committed}/${script} kept)
  if(NOT made STREQUAL kept)
    message(FATAL_ERROR "data/texture/${script} is out of date: run art_tool into data/texture")
  endif()
endforeach()
# The scene backgrounds are painted from the levels' ground descriptions: a changed
# level or painter must come with its pictures. They are compared by their pixels,
# not their bytes, which another zlib build compresses otherwise.
file(GLOB backs RELATIVE ${OUTPUT} ${OUTPUT}/back/*.png)
foreach(picture ${backs})
  execute_process(COMMAND ${TOOL} --same-pixels ${OUTPUT}/${picture} ${committed}/${picture}
    RESULT_VARIABLE result ERROR_VARIABLE difference)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "data/texture/${picture} is out of date: run art_tool into data/texture\n${difference}")
  endif()
endforeach()
