# vx_add_gtest(NAME SOURCES a.cpp b.cpp [LIBS ...] [LABELS ...])
# One GoogleTest executable. On Linux every test case is a CTest test; under wine the whole
# executable is one CTest test, since discovering cases would start wine once per case.
function(vx_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vx_gtest_main)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT 600
            ENVIRONMENT "WINEDEBUG=-all")
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()
