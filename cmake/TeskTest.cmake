# tesk_add_test(<name> SOURCES <files...> [GUI] [TIMEOUT <seconds>]
#               [LIBRARIES <libs...>] [DEPENDS <targets...>])
#
# DEPENDS names the programs a test starts (the engine, the stand-ins), so
# building the test builds them too.
# One QtTest executable, registered with CTest. Every test runs in the
# offscreen platform with UTC as the time zone, so host settings never matter,
# and on a session bus of its own, so tests that own service names (the
# host-services stand-in, a test's own services, an engine's front panel) can
# run side by side.
function(tesk_add_test name)
    cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;LIBRARIES;DEPENDS" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "tesk_add_test(${name}): unknown arguments: ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 60)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tesktestsupport ${ARG_LIBRARIES})
    target_precompile_headers(${name} REUSE_FROM tesktestsupport)
    if(ARG_DEPENDS)
        add_dependencies(${name} ${ARG_DEPENDS})
    endif()
    add_test(NAME ${name} COMMAND dbus-run-session -- $<TARGET_FILE:${name}>)
    set(labels unit)
    if(ARG_GUI)
        set(labels gui)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        LABELS "${labels}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=UTC;TESK_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# tesk_add_benchmark(<name> SOURCES <files...>)
#
# A Google Benchmark program. CTest runs it once, briefly, as a smoke check;
# its numbers are read by people, never compared against a threshold.
function(tesk_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE teskcore benchmark::benchmark)
    add_test(NAME ${name} COMMAND ${name} --benchmark_min_time=0.001)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 300 LABELS bench
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=UTC")
endfunction()

# tesk_add_fuzzer(<name> SOURCES <files...>)
#
# A libFuzzer target; its seed corpus lives in fuzz/corpus/<name>/.
function(tesk_add_fuzzer name)
    cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE teskcore)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
