# Adds a folder when it has a CMakeLists.txt, so that folders can arrive one at a time.
function(pw_subdirectory dir)
    if(EXISTS "${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt")
        add_subdirectory("${CMAKE_SOURCE_DIR}/${dir}")
    endif()
endfunction()

# pw_library(NAME SOURCES ... LIBS ...): a static library of the program, with
# src/ as its include root.
function(pw_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    target_compile_options(${name} PRIVATE -Wall -Wextra)
endfunction()

# pw_test(NAME SOURCES ... LIBS ...): one GoogleTest program, registered with CTest as
# one test. GUI tests run on Qt's offscreen platform.
function(pw_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/src" "${CMAKE_SOURCE_DIR}/tests")
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    target_compile_definitions(${name} PRIVATE
        PW_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        PW_DATA_DIR="${CMAKE_SOURCE_DIR}/data"
        PW_CORPUS_DIR="${PW_CORPUS_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=96")
endfunction()
