# Helpers every folder uses to declare its tests, benchmarks and fuzz targets.

set(DOMORA_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/tests)

# add_project_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT] [QAPP] [PROPERTIES prop value ...])
# A GoogleTest executable (or, with QT, a Qt Test executable run as one test).
# QAPP: the tests run inside a QApplication (widgets, sockets, timers).
# Every test runs on the offscreen platform with settings and home in a
# temporary folder, so nothing touches the user's real configuration.
function(add_project_test name)
    cmake_parse_arguments(ARG "QT;QAPP" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    if(NOT DOMORA_TESTS)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DOMORA_TEST_BIN_DIR}
        BUILD_RPATH "${DOMORA_PROGRAM_DIR}")
    target_compile_definitions(${name} PRIVATE
        DOMORA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        DOMORA_PROGRAM_DIR="${DOMORA_PROGRAM_DIR}"
        TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
    if(ARG_QT)
        # A Qt Test executable is one process: its folders come from here.
        set(test_env
            "QT_QPA_PLATFORM=offscreen"
            "DOMORA_SETTINGS_DIR=${CMAKE_BINARY_DIR}/test-home/${name}/settings"
            "HOME=${CMAKE_BINARY_DIR}/test-home/${name}"
            "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/config"
            "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/${name}/data"
            "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/test-home/${name}/run")
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-home/${name}/run)
        file(CHMOD ${CMAKE_BINARY_DIR}/test-home/${name}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${test_env}" TIMEOUT 300 ${ARG_PROPERTIES})
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
        if(ARG_QAPP)
            target_link_libraries(${name} PRIVATE gtest_qapp_main)
        else()
            target_link_libraries(${name} PRIVATE gtest_plain_main)
        endif()
        # The test mains give each test process its own folders (the
        # discovered tests would receive only the first entry of a list).
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
            PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300 ${ARG_PROPERTIES})
    endif()
endfunction()

# add_project_bench(name SOURCES a.cpp LIBS lib1 [QAPP]) — QAPP: the benchmarks run
# inside a QApplication (bench/qappmain.cpp).
function(add_project_bench name)
    cmake_parse_arguments(ARG "QAPP" "" "SOURCES;LIBS" ${ARGN})
    if(NOT DOMORA_BENCH)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/benchmarks
        BUILD_RPATH "${DOMORA_PROGRAM_DIR}")
    target_compile_definitions(${name} PRIVATE DOMORA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    if(ARG_QAPP)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark_qapp_main)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
    endif()
    set_property(GLOBAL APPEND PROPERTY DOMORA_BENCHES ${name})
endfunction()

# add_project_fuzz(name SOURCES a.cpp LIBS lib1) — a libFuzzer target; its
# seed corpus lives in fuzz/corpus/<name>/.
function(add_project_fuzz name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    if(NOT DOMORA_FUZZ)
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers
        BUILD_RPATH "${DOMORA_PROGRAM_DIR}")
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
