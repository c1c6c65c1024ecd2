# SPDX-License-Identifier: ISC
# NEWS is the one record of each release's version, date and notes. From it
# come the Debian changelog (changelog) and the RPM's (rpm-changelog) in the
# build folder, the manual's date (RERER_MANUAL_DATE) and the packages'
# timestamps (CPACK_RERER_SOURCE_DATE_EPOCH, noon of the newest release's
# day, unless the builder sets SOURCE_DATE_EPOCH).
set(RERER_CONTACT "RERER developers <rerer@example.org>")  # who signs every entry and package

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS NEWS)
file(STRINGS NEWS lines)
# date_of(VAR DAY FORMAT): VAR is noon of DAY (YYYY-MM-DD) in date's FORMAT.
function(date_of var day format)
  execute_process(COMMAND env LC_ALL=C date -u -d "${day} 12:00" "${format}"
                  OUTPUT_VARIABLE out OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${var} "${out}" PARENT_SCOPE)
endfunction()

set(deb "")
set(rpm "")
set(body "")
# Appends the entry of ${version}, of ${day}, with the bullets of ${body}.
macro(close_entry)
  if(NOT body STREQUAL "")
    date_of(deb_day ${day} -R)
    date_of(rpm_day ${day} "+%a %b %d %Y")
    string(APPEND deb "rerer (${version}) unstable; urgency=medium\n\n${body}\n -- ${RERER_CONTACT}  ${deb_day}\n\n")
    string(REGEX REPLACE "(^|\n)  \\* " "\\1- " rpm_body "${body}")
    string(REGEX REPLACE "(^|\n)    " "\\1  " rpm_body "${rpm_body}")
    string(APPEND rpm "* ${rpm_day} ${RERER_CONTACT} - ${version}-1\n${rpm_body}\n")
    set(body "")
  endif()
endmacro()
foreach(line IN LISTS lines)
  if(line MATCHES "^([0-9][^ ]*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
    close_entry()
    set(version ${CMAKE_MATCH_1})
    set(day ${CMAKE_MATCH_2})
    if(NOT DEFINED RERER_RELEASE_DAY)
      set(RERER_RELEASE_DAY ${day})
      if(NOT version VERSION_EQUAL PROJECT_VERSION)
        message(FATAL_ERROR "NEWS begins with ${version}, not ${PROJECT_VERSION}: note the release there first")
      endif()
    endif()
  elseif(line MATCHES "^(  \\* |    ).")
    string(APPEND body "${line}\n")
  endif()
endforeach()
close_entry()
if(NOT DEFINED RERER_RELEASE_DAY)
  message(FATAL_ERROR "NEWS holds no release, such as a line \"${PROJECT_VERSION} (YYYY-MM-DD)\"")
endif()
string(REGEX REPLACE "\n\n$" "\n" deb "${deb}")  # a blank line between entries, none after
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/changelog "${deb}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/rpm-changelog "${rpm}")
date_of(RERER_MANUAL_DATE ${RERER_RELEASE_DAY} "+%B %-d, %Y")
if(NOT DEFINED CPACK_RERER_SOURCE_DATE_EPOCH)
  date_of(CPACK_RERER_SOURCE_DATE_EPOCH ${RERER_RELEASE_DAY} +%s)
endif()
