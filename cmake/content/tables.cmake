# The compiled-in reference tables: plecta_gen_tables turns the data files under
# resources/tables into constant Windows-1252 arrays that plecta_core compiles.

add_executable(plecta_gen_tables
  ${PROJECT_SOURCE_DIR}/tools/gen_tables/main.cpp
  ${PROJECT_SOURCE_DIR}/tools/gen_tables/DataFile.cpp
  ${PROJECT_SOURCE_DIR}/tools/gen_tables/DataFile.h
  ${PROJECT_SOURCE_DIR}/tools/gen_tables/FormsToAvoid.cpp
  ${PROJECT_SOURCE_DIR}/tools/gen_tables/FormsToAvoid.h)
target_link_libraries(plecta_gen_tables PRIVATE plecta_text)

file(GLOB_RECURSE plecta_table_data CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/tables/*.tsv)
set(plecta_tables_source ${PLECTA_GENERATED_DIR}/reference/ReferenceTablesData.cpp)

add_custom_command(
  OUTPUT ${plecta_tables_source}
  COMMAND plecta_gen_tables ${PROJECT_SOURCE_DIR}/resources/tables ${plecta_tables_source}
  DEPENDS plecta_gen_tables ${plecta_table_data}
  COMMENT "Generating the reference tables"
  VERBATIM)

target_sources(plecta_core PRIVATE ${plecta_tables_source})
