# The installed files that carry Cintario's version: the release in the
# AppStream metadata and the changelog. Written into the build tree at
# configure time from the project's version (for `cmake --install`), and
# again by CPack, which runs this file before it packs, into the package it
# makes: from the version it makes it with, so that
#   cpack -D CPACK_PACKAGE_VERSION=X
# makes the same build into a whole package of version X.
function(write_versioned_files version release_date source_dir data_dir)
  set(VERSION ${version})
  set(RELEASE_DATE ${release_date})
  execute_process(COMMAND date -u -R -d "${release_date} 12:00" OUTPUT_VARIABLE CHANGELOG_DATE
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  configure_file(${source_dir}/org.example.cintario.metainfo.xml.in
                 ${data_dir}/metainfo/org.example.cintario.metainfo.xml @ONLY)
  configure_file(${source_dir}/changelog.in ${data_dir}/doc/cintario/changelog @ONLY)
  # Compressed as Debian wants it: the most, without a name or time stamp.
  execute_process(COMMAND gzip -9nf ${data_dir}/doc/cintario/changelog COMMAND_ERROR_IS_FATAL ANY)
endfunction()

if(CPACK_TEMPORARY_DIRECTORY)
  write_versioned_files(${CPACK_PACKAGE_VERSION} ${CPACK_CINTARIO_RELEASE_DATE} ${CPACK_CINTARIO_LINUX_DIR}
                        "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_CINTARIO_DATADIR}")
endif()
