# The input gate's canonical-composition tables, generated from the Unicode Character Database
# that Debian's unicode-data package installs.
set(PLECTA_UNICODE_DIR /usr/share/unicode CACHE PATH "Folder holding UnicodeData.txt and CompositionExclusions.txt")
if(NOT EXISTS ${PLECTA_UNICODE_DIR}/UnicodeData.txt OR NOT EXISTS ${PLECTA_UNICODE_DIR}/CompositionExclusions.txt)
  message(FATAL_ERROR "UnicodeData.txt and CompositionExclusions.txt are needed in ${PLECTA_UNICODE_DIR} "
                      "(Debian package unicode-data; scripts/setup installs it)")
endif()
add_executable(gen_nfc tools/gen_nfc/GenNfc.cpp)
target_link_libraries(gen_nfc PRIVATE plecta_text)

set(plecta_nfc_cpp ${PLECTA_GENERATED_DIR}/text/NfcData.cpp)
add_custom_command(
  OUTPUT ${plecta_nfc_cpp}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLECTA_GENERATED_DIR}/text
  COMMAND gen_nfc ${PLECTA_UNICODE_DIR}/UnicodeData.txt ${PLECTA_UNICODE_DIR}/CompositionExclusions.txt
          ${plecta_nfc_cpp}
  DEPENDS gen_nfc ${PLECTA_UNICODE_DIR}/UnicodeData.txt ${PLECTA_UNICODE_DIR}/CompositionExclusions.txt
  COMMENT "Generating the canonical-composition tables"
  VERBATIM)
target_sources(plecta_core PRIVATE ${plecta_nfc_cpp})
