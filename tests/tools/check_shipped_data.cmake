# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the data files and the update file from the shipped history and compares them byte for byte with
# the shipped ones.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/history)
execute_process(
  COMMAND ${TOOL} make-data --history ${SOURCE}/data/history/draws-6of43.csv --out ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "kuji6-data make-data failed: ${result}")
endif()
execute_process(
  COMMAND ${TOOL} make-update --history ${SOURCE}/data/history/draws-6of43.csv --out ${WORK}/history/update.txt
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "kuji6-data make-update failed: ${result}")
endif()
foreach(name deme.ini rensa.ini history/update.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name} ${SOURCE}/data/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "data/${name} differs from what kuji6-data makes of the shipped history")
  endif()
endforeach()
