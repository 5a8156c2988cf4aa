# cmake -DSOURCE_DIR=<root> -P CheckIncludeDirection.cmake
#
# The engine's folders form floors: a folder may include its own floor and
# the floors below it, never one above. This script reads every engine
# source, finds each include of another engine folder and fails when it
# reaches upwards, unless the include is one of the few listed in
# IncludeDirectionExceptions.cmake. An exception that no longer happens fails
# too, so the list only ever shrinks.

include(${CMAKE_CURRENT_LIST_DIR}/IncludeDirection.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/IncludeDirectionExceptions.cmake)

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "CheckIncludeDirection: pass -DSOURCE_DIR=<source root>")
endif()

set(allowed_left ${TESK_INCLUDE_EXCEPTIONS})
set(violations "")
foreach(floor IN LISTS TESK_FLOORS)
    list(FIND TESK_FLOORS ${floor} own_rank)
    file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
        ${SOURCE_DIR}/${floor}/*.h ${SOURCE_DIR}/${floor}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"/]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" included "${line}")
            string(REGEX REPLACE "/.*$" "" included_floor "${included}")
            list(FIND TESK_FLOORS ${included_floor} included_rank)
            if(included_rank GREATER own_rank)
                set(pair "${source} -> ${included}")
                list(FIND allowed_left "${pair}" allowed)
                if(allowed EQUAL -1)
                    list(APPEND violations "${pair}")
                else()
                    list(REMOVE_ITEM allowed_left "${pair}")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

set(failed FALSE)
if(violations)
    list(LENGTH violations count)
    list(JOIN violations "\n  " text)
    string(REPLACE ";" " < " order "${TESK_FLOORS}")
    message("${count} include(s) reach a higher folder (floors: ${order}):\n  ${text}")
    set(failed TRUE)
endif()
if(allowed_left)
    list(JOIN allowed_left "\n  " text)
    message("These allowed exceptions no longer happen; strike them from IncludeDirectionExceptions.cmake:\n  ${text}")
    set(failed TRUE)
endif()
if(failed)
    message(FATAL_ERROR "include direction broken")
endif()
message(STATUS "every include keeps the floors' direction")
