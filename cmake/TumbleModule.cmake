# Helpers shared by the module folders.

# Adds a folder that has a CMakeLists.txt; modules arrive one by one as they are built.
function(tumble_add_subdirectory dir)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
        add_subdirectory(${dir})
    endif()
endfunction()

# tumble_test(NAME [WINDOW_SYSTEM] SOURCES... LIBS ...): one GoogleTest executable registered
# with CTest. The working directory is the test's source folder so that tests find their data
# files. WINDOW_SYSTEM marks tests that open windows on the shared display: they run one at a
# time, because a full-screen switch, the focus or the pointer of one test's window is not
# applied reliably while another test's window comes and goes.
function(tumble_test name)
    cmake_parse_arguments(ARG "WINDOW_SYSTEM" "" "SOURCES;LIBS;LABELS" ${ARGN})
    # An empty value would vanish from the list and shift every property after it.
    set(properties TIMEOUT 300)
    if(ARG_LABELS)
        list(APPEND properties LABELS "${ARG_LABELS}")
    endif()
    if(ARG_WINDOW_SYSTEM)
        list(APPEND properties RESOURCE_LOCK window-system)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    target_compile_definitions(${name} PRIVATE TUMBLE_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
                                               TUMBLE_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
    if(TUMBLE_SANITIZE)
        set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/sanitizer-env.sh)
        # Starting a sanitized process costs more than most test cases: one CTest test per
        # program, whose output names the failing case.
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} ${properties})
    else()
        gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
                             PROPERTIES ${properties}
                             DISCOVERY_TIMEOUT 60)
    endif()
endfunction()

# tumble_benchmark(NAME SOURCES... LIBS ...): one Google Benchmark executable (not run by CTest).
function(tumble_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()

# tumble_copy_files(OUTPUTS_VAR DESTINATION FILES...): build rules that copy each file into
# DESTINATION when it changes; the copies' paths are appended to OUTPUTS_VAR.
function(tumble_copy_files outputs destination)
    set(copies ${${outputs}})
    foreach(file ${ARGN})
        get_filename_component(name ${file} NAME)
        set(output ${destination}/${name})
        add_custom_command(OUTPUT ${output} COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${output}
                           DEPENDS ${file} COMMENT "Copying ${name}")
        list(APPEND copies ${output})
    endforeach()
    set(${outputs} ${copies} PARENT_SCOPE)
endfunction()
