# A Debian package: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME rerer)
set(CPACK_PACKAGE_VENDOR "RERER developers")
set(CPACK_PACKAGE_CONTACT "RERER developers <rerer@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
RERER shows the console face of an archive create/update utility: it
prints a banner, creates the archive named by its first argument with the
extension .vuv appended, and announces each further argument as a file
being added, pausing briefly for each.

The files named are never opened or read. The archive holds exactly one
pseudo-random byte, which depends only on the number of files announced.]])

# The copyright and changelog a Debian package carries; the packaging step
# compresses them and the man page as Debian wants (gzip -9n, so that the
# package does not change with the build time).
set(RERER_DOC ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES packaging/copyright packaging/changelog DESTINATION ${RERER_DOC})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/compress.cmake)
include(CPack)
