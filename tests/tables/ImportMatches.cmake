# Re-runs the municipalities import and compares its output with the committed data file.
# Variables: PYTHON, SCRIPT, FACTS, NOTES, EXPECTED, OUTPUT.

execute_process(COMMAND ${PYTHON} ${SCRIPT} ${FACTS} ${NOTES} ${OUTPUT} RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the import failed: ${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED} RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${EXPECTED} differs from the import of ${FACTS}; re-run ${SCRIPT} ${FACTS} ${NOTES} ${EXPECTED}")
endif()
