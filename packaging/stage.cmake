# SPDX-License-Identifier: ISC
# Runs in the staging folder of a Debian or RPM package before it is built.
# Both compress the manual page (gzip -9n, so that the package does not
# change with the build time). A Debian package also carries its copyright
# and changelog, an RPM its licence (its changelog is in its header).
set(root ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(GLOB_RECURSE docs ${root}/share/man/*.1)
if(CPACK_GENERATOR STREQUAL "DEB")
  set(doc ${root}/share/doc/${CPACK_PACKAGE_NAME})
  file(COPY ${CPACK_RERER_SOURCE_DIR}/packaging/copyright ${CPACK_RERER_CHANGELOG}
       DESTINATION ${doc} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  list(APPEND docs ${doc}/changelog)
else()
  file(COPY ${CPACK_RERER_SOURCE_DIR}/LICENSE DESTINATION ${root}/share/licenses/${CPACK_PACKAGE_NAME}
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()
foreach(doc IN LISTS docs)
  execute_process(COMMAND gzip -9n ${doc} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# Folders that cpack or this script made follow the builder's umask.
file(GLOB_RECURSE dirs LIST_DIRECTORIES true ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*)
foreach(dir IN LISTS dirs ITEMS ${CPACK_TEMPORARY_INSTALL_DIRECTORY})
  if(IS_DIRECTORY ${dir})
    file(CHMOD ${dir} PERMISSIONS ${CPACK_RERER_DIR_PERMISSIONS})
  endif()
endforeach()
