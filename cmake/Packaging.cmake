# What `cmake --install` puts where, and the Debian package made from it
# (`cmake --build BUILD --target package` writes plecta_VERSION_ARCH.deb).

set(PLECTA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/plecta)

install(TARGETS plecta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET plecta-cli)
  install(TARGETS plecta-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES resources/desktop/cat.plecta.Plecta.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/cat.plecta.Plecta.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/desktop/cat.plecta.Plecta.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME cat.plecta.Plecta.xml)
install(FILES resources/icons/plecta.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME cat.plecta.Plecta.svg)
install(FILES resources/completion/plecta-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES cmake/package/copyright DESTINATION ${PLECTA_DOC_DIR})

# Manual pages and the changelog are installed compressed, without a time stamp in the gzip
# header, so that two builds of the same sources give the same package. The manual pages are
# written in UTF-8 and turned into plain-ASCII roff (groff's escapes), which every formatter reads.
find_program(GZIP_PROGRAM gzip REQUIRED)
find_program(PRECONV_PROGRAM preconv REQUIRED)
set(PLECTA_DOCS_OUT ${PROJECT_BINARY_DIR}/docs)
set(PLECTA_MAN_PAGES plecta.1 plecta-cli.1)
set(docs_outputs)
foreach(page IN LISTS PLECTA_MAN_PAGES)
  # The version comes from project(); configure_file also reruns cmake when a page changes.
  configure_file(docs/man/${page} ${PLECTA_DOCS_OUT}/utf8/${page} @ONLY)
  add_custom_command(OUTPUT ${PLECTA_DOCS_OUT}/${page} ${PLECTA_DOCS_OUT}/${page}.gz
                     COMMAND ${PRECONV_PROGRAM} -e UTF-8 utf8/${page} > ${page}
                     COMMAND ${GZIP_PROGRAM} -9 -n -c ${page} > ${page}.gz
                     DEPENDS ${PLECTA_DOCS_OUT}/utf8/${page} WORKING_DIRECTORY ${PLECTA_DOCS_OUT} VERBATIM)
  list(APPEND docs_outputs ${PLECTA_DOCS_OUT}/${page}.gz)
  install(FILES ${PLECTA_DOCS_OUT}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_command(OUTPUT ${PLECTA_DOCS_OUT}/changelog.gz COMMAND ${CMAKE_COMMAND} -E make_directory ${PLECTA_DOCS_OUT}
                   COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/cmake/package/changelog > ${PLECTA_DOCS_OUT}/changelog.gz
                   DEPENDS ${PROJECT_SOURCE_DIR}/cmake/package/changelog VERBATIM)
list(APPEND docs_outputs ${PLECTA_DOCS_OUT}/changelog.gz)
add_custom_target(plecta_docs ALL DEPENDS ${docs_outputs})
install(FILES ${PLECTA_DOCS_OUT}/changelog.gz DESTINATION ${PLECTA_DOC_DIR})

# The Debian package. Its dependencies are read from the programs' linked libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plecta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Plecta <plecta@plecta.cat>")
# The Catalan translations of Qt's own dialogs are read at run time, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-ca")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The synopsis, then the long description (CPack indents it and marks the empty lines).
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "handbook of Catalan business and administrative writing")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Plecta helps office workers, clerks and citizens write in Catalan. Fill in a
model document (minutes, certificate, notice of meeting, letter, delivery
note, order, an application or an appeal to the administration) and get the
finished text to save, print or export as PDF/A or OpenDocument.

It also holds a Castilian-Catalan business vocabulary, abbreviations,
symbols and acronyms, the protocol forms of address, the municipalities of
Catalonia with their comarca, postcode and telephone prefix, and writes
numbers in Catalan words.

The package holds the window program, plecta, and the command-line tool,
plecta-cli, which writes the same documents, lists and numerals in a
terminal or a script.")
include(CPack)
