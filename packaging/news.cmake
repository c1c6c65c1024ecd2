# SPDX-License-Identifier: ISC
# NEWS is the one record of each release's version, date and notes. From it
# come the Debian changelog (changelog) and the RPM's (rpm-changelog) in the
# build folder, the manual's date (RERER_MANUAL_DATE) and the packages'
# timestamps (CPACK_RERER_SOURCE_DATE_EPOCH, noon of the newest release's
# day, unless the builder sets SOURCE_DATE_EPOCH).
set(RERER_CONTACT "RERER developers <rerer@example.org>")  # who signs every entry and package

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS NEWS)
# date_of(VAR DAY FORMAT): VAR is noon of DAY (YYYY-MM-DD) in date's FORMAT.
function(date_of var day format)
  execute_process(COMMAND env LC_ALL=C date -u -d "${day} 12:00" "${format}"
                  OUTPUT_VARIABLE out OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "date cannot read the day ${day}")
  endif()
  set(${var} "${out}" PARENT_SCOPE)
endfunction()
# news_error(WHY): stops configure, naming the line of NEWS being read and
# showing it whole: CMake reflows a message, but not a line that begins with
# a blank.
macro(news_error why)
  message(FATAL_ERROR "NEWS line ${number} is ${why}:\n [${line}]")
endmacro()

set(deb "")
set(rpm "")
set(body "")
# Appends the entry of ${version}, of ${day}, with the notes of ${body}.
macro(close_entry)
  if(DEFINED version)
    if(body STREQUAL "")
      message(FATAL_ERROR "NEWS: release ${version} has no notes")
    endif()
    date_of(deb_day ${day} -R)
    date_of(rpm_day ${day} "+%a %b %d %Y")
    string(APPEND deb "rerer (${version}) unstable; urgency=medium\n\n${body}\n -- ${RERER_CONTACT}  ${deb_day}\n\n")
    string(REGEX REPLACE "(^|\n)  \\* " "\\1- " rpm_body "${body}")
    string(REGEX REPLACE "(^|\n)    " "\\1  " rpm_body "${rpm_body}")
    string(REPLACE "%" "%%" rpm_body "${rpm_body}")  # rpmbuild expands macros there
    string(APPEND rpm "* ${rpm_day} ${RERER_CONTACT} - ${version}-1\n${rpm_body}\n")
    set(body "")
  endif()
endmacro()

# NEWS is read line by line from the whole text, so that any byte, a
# semicolon or a bracket included, reaches the changelogs as written.
file(READ NEWS text)
set(number 0)
set(previous "")  # the kind of the line before: heading, note or empty
while(NOT text STREQUAL "")
  string(FIND "${text}" "\n" end)
  if(end EQUAL -1)
    set(line "${text}")
    set(text "")
  else()
    string(SUBSTRING "${text}" 0 ${end} line)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${text}" ${end} -1 text)
  endif()
  math(EXPR number "${number} + 1")
  if(line MATCHES "[ \t]$")
    news_error("a line that ends in a blank or a tab")
  elseif(line MATCHES "^([0-9][^ ]*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
    set(next_version "${CMAKE_MATCH_1}")
    set(next_day "${CMAKE_MATCH_2}")
    # CMake compares versions of up to four numbers exactly, and stops
    # reading at anything else: 1.0-rc1 would pass for 1.0.
    if(NOT next_version MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
      news_error("release ${next_version}, which is not one to four numbers joined by dots, such as 1.1")
    endif()
    if(NOT DEFINED version AND NOT next_version STREQUAL PROJECT_VERSION)
      news_error("release ${next_version}, not ${PROJECT_VERSION}, the project's version: note the release there first")
    endif()
    if(DEFINED version AND NOT (next_version VERSION_LESS version AND NOT next_day STRGREATER day))
      news_error("not older than ${version} (${day}), the release above it: releases go newest first")
    endif()
    close_entry()
    if(NOT DEFINED version)
      set(RERER_RELEASE_DAY ${next_day})
    endif()
    set(version "${next_version}")
    set(day "${next_day}")
    set(previous heading)
  elseif(line MATCHES "^[0-9]")
    news_error("not a release such as \"1.1 (2027-01-15)\": a version, a blank and the day in brackets")
  elseif(line STREQUAL "")
    set(previous empty)
  elseif(NOT DEFINED version AND NOT line MATCHES "^[ \t]")
    # The title, before the first release.
  elseif(DEFINED version AND line MATCHES "^  \\* [^ \t]")
    string(APPEND body "${line}\n")
    set(previous note)
  elseif(previous STREQUAL note AND line MATCHES "^    [^ \t]")
    string(APPEND body "${line}\n")
  else()
    news_error("neither a release such as \"1.1 (2027-01-15)\", nor a note, which begins with two blanks and \"* \", nor a note's next line, which begins with four blanks")
  endif()
endwhile()
close_entry()
if(NOT DEFINED version)
  message(FATAL_ERROR "NEWS holds no release, such as a line \"${PROJECT_VERSION} (YYYY-MM-DD)\"")
endif()
string(REGEX REPLACE "\n\n$" "\n" deb "${deb}")  # a blank line between entries, none after
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/changelog "${deb}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/rpm-changelog "${rpm}")
date_of(RERER_MANUAL_DATE ${RERER_RELEASE_DAY} "+%B %-d, %Y")
if(NOT DEFINED CPACK_RERER_SOURCE_DATE_EPOCH)
  date_of(CPACK_RERER_SOURCE_DATE_EPOCH ${RERER_RELEASE_DAY} +%s)
endif()
