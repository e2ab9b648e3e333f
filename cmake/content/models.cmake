# Document models: resources/models/*.txt (readable UTF-8) become Windows-1252 byte arrays in
# plecta_core, regenerated whenever a model, the manifest or the generator changes.
add_executable(gen_models tools/gen_models/GenModels.cpp)
target_link_libraries(gen_models PRIVATE plecta_text)

file(GLOB plecta_model_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/models/*.txt)
set(plecta_models_cpp ${PLECTA_GENERATED_DIR}/models/DocumentModelsData.cpp)
add_custom_command(
  OUTPUT ${plecta_models_cpp}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLECTA_GENERATED_DIR}/models
  COMMAND gen_models ${PROJECT_SOURCE_DIR}/resources/models/manifest.txt ${plecta_models_cpp}
  DEPENDS gen_models ${plecta_model_files}
  COMMENT "Generating the document models"
  VERBATIM)
target_sources(plecta_core PRIVATE ${plecta_models_cpp})
