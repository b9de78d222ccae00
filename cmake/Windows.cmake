# The product and its Windows tests (mingw-w64, i686 or x86_64).
enable_language(RC)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# Small code, no exception or RTTI machinery, nothing that needs operator new.
set(PRODUCT_FLAGS -Os -fno-exceptions -fno-rtti -ffunction-sections -fdata-sections
    -fno-threadsafe-statics)

add_library(uninstaller_core STATIC ${PURE_SOURCES} ${WINDOWS_SOURCES})
target_include_directories(uninstaller_core PUBLIC src src/Stub)
target_compile_options(uninstaller_core PRIVATE ${WARNINGS} ${PRODUCT_FLAGS})
target_compile_definitions(uninstaller_core PUBLIC WINVER=0x0400 _WIN32_WINNT=0x0601
    _WIN32_IE=0x0600 NOMINMAX WIN32_LEAN_AND_MEAN)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The 32-bit build checks the structure sizes that the program relies on.
    target_compile_definitions(uninstaller_core PUBLIC KW_CHECK_32BIT_LAYOUT)
endif()
target_link_libraries(uninstaller_core PUBLIC comctl32 shell32 advapi32 gdi32 user32 kernel32)

add_executable(uninstall WIN32 src/Stub/WinMain.cpp res/uninstall.rc)
target_compile_options(uninstall PRIVATE ${WARNINGS} ${PRODUCT_FLAGS})
target_link_libraries(uninstall PRIVATE uninstaller_core)
# Static runtime; subsystem and OS version 4.0 so that Windows 95 and NT 4.0
# loaders accept the file.
target_link_options(uninstall PRIVATE -static -s -Wl,--gc-sections -Wl,-Map=${CMAKE_BINARY_DIR}/uninstall.map
    -Wl,--subsystem,windows:4.0 -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
add_custom_command(TARGET uninstall POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E echo_append "uninstall.exe stripped size: "
    COMMAND ${CMAKE_COMMAND} -DFILE=$<TARGET_FILE:uninstall> -P ${CMAKE_SOURCE_DIR}/cmake/PrintSize.cmake
    VERBATIM)

option(KW_WINDOWS_TESTS "Build the Windows tests" ON)
if(KW_WINDOWS_TESTS)
    add_subdirectory(tests/win)
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The shipped exe itself: format, subsystem, imports, resources, manifest.
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    add_test(NAME static.uninstall_exe
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/static/check_exe.py
            $<TARGET_FILE:uninstall> ${CMAKE_SOURCE_DIR}/tests/static/allowed-imports.txt
            ${CMAKE_BINARY_DIR}/uninstall.map)
endif()
