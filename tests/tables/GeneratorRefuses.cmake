# Runs the table generator over a copy of the data with one faulty record added, and passes only
# when the generator fails, names the fault, and writes no output.
# Variables: GENERATOR, TABLES, WORK, FILE (relative to the tables), RECORD, MESSAGE (a regex).

file(REMOVE_RECURSE ${WORK})
file(COPY ${TABLES}/ DESTINATION ${WORK}/tables)
string(REPLACE "<TAB>" "\t" record "${RECORD}")
string(REPLACE "<CR>" "\r" record "${record}")
file(APPEND ${WORK}/tables/${FILE} "${record}\n")

execute_process(COMMAND ${GENERATOR} ${WORK}/tables ${WORK}/out.cpp
                RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
if(result EQUAL 0)
  message(FATAL_ERROR "the generator accepted the faulty record: ${record}")
endif()
if(EXISTS ${WORK}/out.cpp)
  message(FATAL_ERROR "the generator wrote its output despite the fault")
endif()
if(NOT errors MATCHES "${MESSAGE}")
  message(FATAL_ERROR "expected a message matching '${MESSAGE}', got:\n${errors}")
endif()
# The message names the file and line of the faulty record.
if(NOT errors MATCHES "${FILE}:[0-9]+: ")
  message(FATAL_ERROR "the message does not name ${FILE} and its line:\n${errors}")
endif()
file(REMOVE_RECURSE ${WORK})
