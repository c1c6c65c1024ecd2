# SPDX-License-Identifier: ISC
# Read by cpack once for each kind of package it builds.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_RERER_SOURCE_DATE_EPOCH})
endif()
if(CPACK_GENERATOR STREQUAL "DEB" OR CPACK_GENERATOR STREQUAL "RPM")
  set(CPACK_PRE_BUILD_SCRIPTS ${CPACK_RERER_SOURCE_DIR}/packaging/stage.cmake)
endif()
