# SPDX-License-Identifier: ISC
# Packages: `cmake --build build --target packages` builds the Debian and the
# RPM package, `--target dist` the source tarball.
set(CPACK_PACKAGE_NAME rerer)
set(CPACK_PACKAGE_VENDOR "RERER developers")
set(CPACK_PACKAGE_CONTACT "${RERER_CONTACT}")
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

set(CPACK_PACKAGE_RELOCATABLE OFF)
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
# The same summary, capitalised as RPM's summaries are.
string(SUBSTRING "${PROJECT_DESCRIPTION}" 0 1 first)
string(SUBSTRING "${PROJECT_DESCRIPTION}" 1 -1 rest)
string(TOUPPER "${first}" first)
set(CPACK_RPM_PACKAGE_SUMMARY "${first}${rest}")
set(CPACK_RPM_PACKAGE_LICENSE ISC)
set(CPACK_RPM_PACKAGE_GROUP "Applications/Archiving")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/man /usr/share/man/man1 /usr/share/licenses)
set(CPACK_RPM_DEFAULT_DIR_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_RERER_DIR_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})  # for stage.cmake
# A build time and host that do not change from one build to the next.
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${RERER_CONTACT}
%define _buildhost reproducible
%define _build_id_links none
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1")

# Both changelogs come from NEWS (news.cmake).
set(CPACK_RPM_CHANGELOG_FILE ${CMAKE_CURRENT_BINARY_DIR}/rpm-changelog)
set(CPACK_RERER_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog)  # for stage.cmake
# The licence, which stage.cmake puts in place.
set(CPACK_RPM_USER_FILELIST "%license /usr/share/licenses/rerer/LICENSE")
set(CPACK_RERER_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/packaging/cpack.cmake)

# The source tarball holds exactly the files that git tracks, as committed;
# only a git checkout can make one.
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/.git)
  set(dist rerer-${PROJECT_VERSION})
  add_custom_target(dist
    COMMAND git -C ${CMAKE_CURRENT_SOURCE_DIR} archive --format=tar.gz --prefix=${dist}/
            -o ${CMAKE_CURRENT_BINARY_DIR}/${dist}.tar.gz HEAD
    COMMENT "Writing ${dist}.tar.gz from the last commit"
    VERBATIM)
endif()
include(CPack)
# The source tarball is dist's alone: no package_source target.
file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/CPackSourceConfig.cmake)

# cpack gives the members of a .deb the builder's umask. Without rpmbuild,
# only the .deb is made.
add_custom_target(packages
  COMMAND sh -c "umask 022 && if command -v rpmbuild >/dev/null; then exec cpack -G 'DEB;RPM'; fi && \
echo 'RPM skipped: rpmbuild not found (it comes with the rpm package)' && exec cpack -G DEB"
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  VERBATIM)
add_dependencies(packages RERER)
