# The pure modules, natively: unit tests in milliseconds, sanitizers, fuzzers.
option(KW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
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
option(KW_FUZZ "Build the fuzz targets (clang)" OFF)
