# Test driver (cmake -P): runs the sound tool on the manifest into a scratch
# folder and checks that it succeeds and writes the sounds the game plays.
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${TOOL} ${MANIFEST} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "sound_tool exited with ${result}")
endif()
foreach(name click mouse_in typing start_game salute00 salute01 take build_ready worker_in worker_out worker_joy
             worker_fear explosion tank_hit build bar_stone bar_tree well res_income
             sawmill mill goldmill respawn altar_ready alarm bonus_start ambi_forest ambi_rain
             bandit_scream0 bandit_scream1 bandit_scream2 spirit_death spirit_scream strike wife_magic
             succub_appear succub_magic succub_death witch_appear witch_magic witch_death shot
             explosion00 explosion01 explosion02 hero_out0 hero_out1 wife_out0 wife_out1 bonus_stop)
  if(NOT EXISTS ${OUTPUT}/sound/${name}.ogg)
    message(FATAL_ERROR "sound_tool did not write sound/${name}.ogg")
  endif()
  file(SIZE ${OUTPUT}/sound/${name}.ogg size)
  if(size LESS 200)
    message(FATAL_ERROR "sound/${name}.ogg is suspiciously small (${size} bytes)")
  endif()
endforeach()
file(GLOB music ${OUTPUT}/music/*.ogg)
list(LENGTH music musicCount)
if(musicCount LESS 7)
  message(FATAL_ERROR "sound_tool wrote ${musicCount} music loops, expected at least 7")
endif()
