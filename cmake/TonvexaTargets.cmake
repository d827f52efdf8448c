# Helpers that keep every folder's CMakeLists.txt down to its own file list.

# tonvexa_library(NAME SOURCES ... QT Core|Gui|Widgets ... DEPENDS other targets ...)
# One static library per folder; the folder itself is the include root of its headers.
function(tonvexa_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;QT;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    foreach(module IN LISTS ARG_QT)
        target_link_libraries(${name} PUBLIC Qt6::${module})
    endforeach()
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# tonvexa_test(NAME SOURCES ... DEPENDS ... [LABELS ...] [BENCH])
# One Qt Test executable and one CTest case per test class. Widget tests run offscreen, so no
# display is needed; benchmarks carry the "bench" label and stay out of the default run.
function(tonvexa_test name)
    cmake_parse_arguments(ARG "BENCH" "" "SOURCES;DEPENDS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_DEPENDS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    add_test(NAME ${name} COMMAND ${name})
    set(labels ${ARG_LABELS})
    if(ARG_BENCH)
        list(APPEND labels bench)
    else()
        list(APPEND labels unit)
    endif()
    set_tests_properties(${name} PROPERTIES
        LABELS "${labels}"
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TONVEXA_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
