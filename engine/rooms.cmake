# Run as a build step (cmake -P) for one room of the engine: fails when a
# file of the room includes a header of the project by any name other than
# "<room>/<header>.h" of itself or of a room it may use. The include roots
# already keep out "pads/..." from a room that may not see pads; this also
# refuses what they cannot, a path relative to the file ("../text/report.h"
# or a bare "steps.h"), which the compiler would find beside the file, and
# a bracketed one that climbs out of a root (<../text/text/report.h>).
#
# Variables: ROOM, the room's name; ALLOWED, itself and the rooms it uses,
# separated by commas; FILES, its sources and headers, separated by commas;
# STAMP, the file touched once every include has passed.
cmake_minimum_required(VERSION 3.20)
string(REPLACE "," ";" allowed "${ALLOWED}")
string(REPLACE "," ";" files "${FILES}")
list(JOIN allowed "|" rooms)
list(JOIN allowed ", " readable)
set(wrong "")
foreach(path IN LISTS files)
  file(STRINGS "${path}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    string(REGEX MATCH "(\"[^\"]*\"|<[^>]*>)" header "${line}")
    # A quoted header must name its room; a bracketed one (the standard
    # library's) may not climb out of an include root with "..".
    if((header MATCHES "^\"" AND NOT header MATCHES "^\"(${rooms})/[A-Za-z0-9_]+\\.h\"")
       OR header MATCHES "\\.\\.")
      string(APPEND wrong "\n  ${path}: ${header}")
    endif()
  endforeach()
endforeach()
if(wrong)
  message(FATAL_ERROR "a file of the engine's ${ROOM} room includes a header other than one "
                      "of ${readable}, named by its room (\"${ROOM}/name.h\"):${wrong}")
endif()
file(TOUCH "${STAMP}")
