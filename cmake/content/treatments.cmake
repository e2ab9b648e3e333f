# The protocol treatments text: resources/treatments/168.txt (readable UTF-8) becomes the
# Windows-1252 resource "TEXT" 168 in plecta_core, through the document models' generator.
file(GLOB plecta_treatment_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/treatments/*.txt)
set(plecta_treatments_cpp ${PLECTA_GENERATED_DIR}/reference/TreatmentsData.cpp)
add_custom_command(
  OUTPUT ${plecta_treatments_cpp}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLECTA_GENERATED_DIR}/reference
  COMMAND gen_models ${PROJECT_SOURCE_DIR}/resources/treatments/manifest.txt ${plecta_treatments_cpp}
          textResources
  DEPENDS gen_models ${plecta_treatment_files}
  COMMENT "Generating the protocol treatments text"
  VERBATIM)
target_sources(plecta_core PRIVATE ${plecta_treatments_cpp})
