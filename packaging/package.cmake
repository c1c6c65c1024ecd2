# SPDX-License-Identifier: ISC
# Packages: `cmake --build build --target packages` builds the Debian and the
# RPM package, `--target dist` the source tarball.
set(CPACK_PACKAGE_NAME rerer)
set(CPACK_PACKAGE_VENDOR "RERER developers")
set(CPACK_PACKAGE_CONTACT "RERER developers <rerer@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
RERER shows the console face of an archive create/update utility: it
prints a banner, creates the archive named by its first argument with the
extension .vuv appended, and announces each further argument as a file
being added, pausing briefly for each.

The files named are never opened or read. The archive holds exactly one
pseudo-random byte, which depends only on the number of files announced.]])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_SUMMARY "Announce files into a one-byte VUV archive")
set(CPACK_RPM_PACKAGE_LICENSE ISC)
set(CPACK_RPM_PACKAGE_GROUP "Applications/Archiving")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/man /usr/share/man/man1 /usr/share/licenses)
set(CPACK_RPM_DEFAULT_DIR_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_RERER_DIR_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})  # for stage.cmake
# A build time and host that do not change from one build to the next.
set(CPACK_RPM_SPEC_MORE_DEFINE [[
%define packager RERER developers <rerer@example.org>
%define _buildhost reproducible
%define _build_id_links none
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1]])

# Packages take their timestamps from the date of the latest entry in the
# changelog, unless the builder sets SOURCE_DATE_EPOCH.
file(STRINGS packaging/changelog signoff REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" released "${signoff}")
execute_process(COMMAND date -u -d "${released}" +%s
                OUTPUT_VARIABLE CPACK_RERER_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_RERER_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/packaging/cpack.cmake)

# The source tarball holds exactly the files that git tracks, as committed;
# only a git checkout can make one.
set(RERER_DIST rerer-${PROJECT_VERSION})
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/.git)
  add_custom_target(dist
    COMMAND git -C ${CMAKE_CURRENT_SOURCE_DIR} archive --format=tar.gz --prefix=${RERER_DIST}/
            -o ${CMAKE_CURRENT_BINARY_DIR}/${RERER_DIST}.tar.gz HEAD
    COMMENT "Writing ${RERER_DIST}.tar.gz from the last commit"
    VERBATIM)
endif()
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${RERER_DIST})
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/" "/demo/")
include(CPack)

# cpack gives the members of a .deb the builder's umask.
add_custom_target(packages
  COMMAND sh -c "umask 022 && exec cpack -G 'DEB;RPM'"
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  VERBATIM)
add_dependencies(packages RERER)
