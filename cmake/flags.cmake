# SPDX-License-Identifier: ISC
# The compiler and linker flags of every build; no other file sets them.
#
# Without a build type, a packager's CXXFLAGS (or CMAKE_CXX_FLAGS) come after
# the project's optimisation, so that their own -O wins.
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  if(CMAKE_CXX_FLAGS STREQUAL "")
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
  else()
    string(PREPEND CMAKE_CXX_FLAGS "-O3 ")
  endif()
endif()
# CMake reads CXXFLAGS and LDFLAGS, but not CPPFLAGS.
set(RERER_CPPFLAGS "$ENV{CPPFLAGS}" CACHE STRING "Preprocessor flags (CPPFLAGS at the first configure)")
string(PREPEND CMAKE_CXX_FLAGS "${RERER_CPPFLAGS} ")

# Hardening as Debian hardens its packages. Each flag is probed, so that the
# compiler of any target takes only what it supports, and each goes before
# the packager's CPPFLAGS, CXXFLAGS and LDFLAGS, so that theirs win.
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)
include(CheckLinkerFlag)
include(CheckPIESupported)

check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# probe LIST KIND FLAG...: appends to LIST each FLAG that the compiler or
# the linker (KIND) takes.
function(probe list kind)
  foreach(flag IN LISTS ARGN)
    string(MAKE_C_IDENTIFIER "RERER_HAS${flag}" var)
    if(kind STREQUAL "LINKER")
      check_linker_flag(CXX "${flag}" ${var})
    else()
      check_cxx_compiler_flag("${flag}" ${var})
    endif()
    if(${var})
      list(APPEND ${list} "${flag}")
    endif()
  endforeach()
  set(${list} "${${list}}" PARENT_SCOPE)
endfunction()

set(RERER_HARDENING "")
probe(RERER_HARDENING COMPILER -fstack-protector-strong -fstack-clash-protection -fcf-protection)
# Only where the build optimises, since the C library ignores it otherwise,
# and where the packager and the compiler leave it unset: a second definition
# would warn, and would weaken a packager's _FORTIFY_SOURCE=3. The probe
# compiles with the build type's flags, and its result is kept per type.
set(CMAKE_TRY_COMPILE_CONFIGURATION ${CMAKE_BUILD_TYPE})
set(CMAKE_REQUIRED_FLAGS "-D_FORTIFY_SOURCE=2 -Werror")
check_cxx_source_compiles("#ifndef __OPTIMIZE__\n#error the build does not optimise\n#endif
#include <cstdio>\nint main() { return std::puts(\"\"); }" RERER_FORTIFY_${CMAKE_BUILD_TYPE})
unset(CMAKE_REQUIRED_FLAGS)
if(RERER_FORTIFY_${CMAKE_BUILD_TYPE})
  list(APPEND RERER_HARDENING -D_FORTIFY_SOURCE=2)
endif()
set(link "")
probe(link LINKER -Wl,--as-needed -Wl,-z,relro -Wl,-z,now)

# Debug information names no build or source folder, so that it is the same
# wherever the project is built.
set(prefix_map "")
probe(prefix_map COMPILER -ffile-prefix-map=/=/)
if(prefix_map)  # the last that matches wins, and the build folder may lie within
  set(prefix_map "-ffile-prefix-map=${CMAKE_SOURCE_DIR}=." "-ffile-prefix-map=${CMAKE_BINARY_DIR}=.")
endif()

list(JOIN RERER_HARDENING " " compile)
list(JOIN prefix_map " " map)
list(JOIN link " " link)
string(PREPEND CMAKE_CXX_FLAGS "${compile} ")
string(APPEND CMAKE_CXX_FLAGS " ${map}")
string(PREPEND CMAKE_EXE_LINKER_FLAGS "${link} ")

add_compile_options(-Wall -Wextra -Wpedantic)

option(RERER_SANITIZE "Build everything with ASan, LSan and UBSan" OFF)
if(RERER_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# The tool calls nothing in the C++ runtime, so --as-needed leaves the C
# library as its only dependency; these keep its code from coming to need
# the runtime's exception and type-information support.
set(RERER_TOOL_FLAGS -fno-exceptions -fno-rtti)
