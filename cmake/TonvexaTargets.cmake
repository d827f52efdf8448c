# Helpers that keep every folder's CMakeLists.txt down to its own file list.

include(${CMAKE_CURRENT_LIST_DIR}/LayerTable.cmake)

# Every library and program of the project in the order it was defined: the layers from the
# bottom up, each with the folder it lives in. tonvexa_check_layers() holds each to the folder
# table of docs/ARCHITECTURE.md, and to using only libraries defined before it, so the dependency
# graph can never grow a cycle.
set_property(GLOBAL PROPERTY TONVEXA_LAYERS "")

function(tonvexa_register_layer name)
    set_property(GLOBAL APPEND PROPERTY TONVEXA_LAYERS ${name})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set_property(GLOBAL PROPERTY TONVEXA_FOLDER_${name} ${folder})
endfunction()

# tonvexa_library(NAME SOURCES ... QT Core|Gui|Widgets ... DEPENDS other targets ...)
# One static library per folder; the folder itself is the include root of its headers.
function(tonvexa_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;QT;DEPENDS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    tonvexa_register_layer(${name})
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

# Fails the configuration when a library links one that the folder table does not allow, or one
# defined after it (a layer using a layer above it), which is also the only way a cycle between
# the program's libraries could form.
function(tonvexa_check_layers)
    set(table ${PROJECT_SOURCE_DIR}/docs/ARCHITECTURE.md)
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
    tonvexa_read_layer_table(${table})
    get_property(layers GLOBAL PROPERTY TONVEXA_LAYERS)
    foreach(target IN LISTS layers)
        list(FIND layers ${target} own)
        get_property(folder GLOBAL PROPERTY TONVEXA_FOLDER_${target})
        get_target_property(direct ${target} LINK_LIBRARIES)
        get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
        foreach(dependency IN LISTS direct interface)
            list(FIND layers "${dependency}" used)
            if(used GREATER_EQUAL 0)
                get_property(dependency_folder GLOBAL PROPERTY TONVEXA_FOLDER_${dependency})
                tonvexa_check_layer_use(${target} ${folder} ${dependency} ${dependency_folder})
            endif()
            if(used GREATER_EQUAL own)
                message(FATAL_ERROR "${target} uses ${dependency}, which is not a layer below it: "
                                    "a folder may use only the folders added before it in the "
                                    "top-level CMakeLists.txt")
            endif()
        endforeach()
    endforeach()
endfunction()
