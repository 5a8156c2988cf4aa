# cmake -DOUTPUT=<file> -P WriteBuildStamp.cmake
#
# Writes the engine's build time as two literals, in the form of the
# compiler's __DATE__ ("Mmm dd yyyy", the day padded with a blank) and
# __TIME__, in UTC. As literals they are part of what a compiler cache
# hashes, so a cached object can never carry the time of an earlier build.
string(TIMESTAMP stamp "%m %d %Y %H:%M:%S" UTC)
string(REGEX MATCH "^([0-9]+) ([0-9]+) ([0-9]+) (.+)$" matched "${stamp}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR month_index "${CMAKE_MATCH_1} - 1")
list(GET months ${month_index} month)
math(EXPR day "${CMAKE_MATCH_2}")
if(day LESS 10)
    set(day " ${day}")
endif()
file(WRITE ${OUTPUT}.new
    "#include \"core/BuildStamp.h\"\n\n"
    "const char BuildStamp::date[] = \"${month} ${day} ${CMAKE_MATCH_3}\";\n"
    "const char BuildStamp::time[] = \"${CMAKE_MATCH_4}\";\n")
file(RENAME ${OUTPUT}.new ${OUTPUT})
