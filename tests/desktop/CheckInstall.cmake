file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path bin/plecta bin/plecta-cli share/applications/cat.plecta.Plecta.desktop
             share/metainfo/cat.plecta.Plecta.metainfo.xml share/icons/hicolor/scalable/apps/cat.plecta.Plecta.svg
             share/mime/packages/cat.plecta.Plecta.xml share/bash-completion/completions/plecta-cli
             share/man/man1/plecta.1.gz share/man/man1/plecta-cli.1.gz share/doc/plecta/copyright
             share/doc/plecta/changelog.gz)
  if(NOT EXISTS ${STAGE}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
