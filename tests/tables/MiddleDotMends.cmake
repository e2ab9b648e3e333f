# Runs tools/gen_tables/middle_dot.py over a small file written the old way and compares the result:
# the full stop of a geminated l inside a word becomes the middle dot, any other full stop stays.
# Variables: PYTHON, SCRIPT, WORK.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
string(ASCII 9 tab)
file(WRITE ${WORK}/data.tsv
  "colegiada${tab}col.legiada f\n"
  "Il.lm.${tab}il.lustríssim\n"
  "ALEGACIONES${tab}AL.LEGACIONS\n"
  "en metálico${tab}en metàl.lic\n"
  "vol. l${tab}volum l.\n"
  "l.l.${tab}l.l\n")
execute_process(COMMAND ${PYTHON} ${SCRIPT} ${WORK}/data.tsv RESULT_VARIABLE result OUTPUT_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "middle_dot.py failed: ${output}")
endif()
file(READ ${WORK}/data.tsv mended)
set(expected
  "colegiada${tab}col·legiada f\n"
  "Il·lm.${tab}il·lustríssim\n"
  "ALEGACIONES${tab}AL·LEGACIONS\n"
  "en metálico${tab}en metàl·lic\n"
  "vol. l${tab}volum l.\n"
  "l.l.${tab}l.l\n")
string(CONCAT expected ${expected})
if(NOT mended STREQUAL expected)
  message(FATAL_ERROR "middle_dot.py wrote:\n${mended}\nexpected:\n${expected}")
endif()
if(NOT output MATCHES "5 geminated l")
  message(FATAL_ERROR "middle_dot.py did not count its changes: ${output}")
endif()
file(REMOVE_RECURSE ${WORK})
