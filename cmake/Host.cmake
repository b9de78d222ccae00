# The pure modules, natively: unit tests in milliseconds, sanitizers, fuzzers,
# the parsing benchmark.
option(KW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(KW_FUZZ "Build the fuzz targets (clang's libFuzzer)" OFF)
set(KW_FUZZ_SECONDS 20 CACHE STRING "How long each fuzz target runs in the test run")
if(KW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

add_library(uninstaller_pure STATIC ${PURE_SOURCES} src/HostMemory.cpp)
target_include_directories(uninstaller_pure PUBLIC src src/Stub)
target_compile_options(uninstaller_pure PRIVATE ${WARNINGS})

find_package(GTest REQUIRED)
add_subdirectory(tests/host)

if(NOT KW_SANITIZE)
    # Timing means something only without the sanitizers.
    find_package(benchmark REQUIRED)
    add_executable(parse_benchmark tests/bench/ParseBenchmark.cpp)
    target_compile_options(parse_benchmark PRIVATE ${WARNINGS})
    target_link_libraries(parse_benchmark PRIVATE uninstaller_pure benchmark::benchmark)
    add_test(NAME benchmark.parse COMMAND parse_benchmark)
    set_tests_properties(benchmark.parse PROPERTIES RUN_SERIAL TRUE)
endif()

if(KW_FUZZ)
    foreach(target FuzzUninstallData FuzzCsvLine)
        add_executable(${target} tests/fuzz/${target}.cpp)
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
        target_link_options(${target} PRIVATE -fsanitize=fuzzer)
        target_link_libraries(${target} PRIVATE uninstaller_pure)
    endforeach()
    add_test(NAME fuzz.uninstall_data COMMAND /bin/sh ${CMAKE_SOURCE_DIR}/tests/fuzz/run.sh
        $<TARGET_FILE:FuzzUninstallData> ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/data ${KW_FUZZ_SECONDS})
    add_test(NAME fuzz.csv_line COMMAND /bin/sh ${CMAKE_SOURCE_DIR}/tests/fuzz/run.sh
        $<TARGET_FILE:FuzzCsvLine> ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/csv ${KW_FUZZ_SECONDS})
endif()
