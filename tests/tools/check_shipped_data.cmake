# Regenerates the data files and the update file from the shipped history and compares them byte for byte with
# the shipped ones.
file(REMOVE_RECURSE ${WORK})
execute_process(
  COMMAND ${TOOL} make-data --history ${SOURCE}/data/history/draws-6of43.csv --out ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "kuji6-data make-data failed: ${result}")
endif()
execute_process(
  COMMAND ${TOOL} make-update --history ${SOURCE}/data/history/draws-6of43.csv --out ${WORK}/update.txt
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "kuji6-data make-update failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/update.txt ${SOURCE}/data/history/update.txt
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "data/history/update.txt differs from what kuji6-data makes of the shipped history")
endif()
foreach(name deme.ini rensa.ini)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name} ${SOURCE}/data/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "data/${name} differs from what kuji6-data makes of the shipped history")
  endif()
endforeach()
