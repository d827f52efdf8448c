# What each folder may use is written once, in the "uses" column of the folder table in
# docs/ARCHITECTURE.md: the folder names in backticks there are the only folders of the program a
# folder's libraries may link. Anything else in the cell (Qt modules, remarks) is prose.

# Reads the table into global properties: TONVEXA_TABLE_FOLDERS lists the folders it has a row
# for, TONVEXA_USES_<folder> what each may use.
function(tonvexa_read_layer_table file)
    file(STRINGS "${file}" rows REGEX "^\\| `[a-z/]+/` \\|")
    if(NOT rows)
        message(FATAL_ERROR "${file} has no folder table: the layers are stated there")
    endif()
    set(folders)
    foreach(row IN LISTS rows)
        string(REGEX MATCH "^\\| `([a-z/]+)/` \\|" _ "${row}")
        set(folder ${CMAKE_MATCH_1})
        string(REGEX MATCH "\\|([^|]*)\\|[ \t]*$" _ "${row}")
        string(REGEX MATCHALL "`[a-z/]+`" uses "${CMAKE_MATCH_1}")
        list(TRANSFORM uses REPLACE "`" "")
        list(APPEND folders ${folder})
        set_property(GLOBAL PROPERTY TONVEXA_USES_${folder} "${uses}")
    endforeach()
    set_property(GLOBAL PROPERTY TONVEXA_TABLE_FOLDERS "${folders}")
endfunction()

# Fails the configuration when library `target` in `folder` links `dependency` in
# `dependency_folder` and the table does not let the one folder use the other.
function(tonvexa_check_layer_use target folder dependency dependency_folder)
    get_property(folders GLOBAL PROPERTY TONVEXA_TABLE_FOLDERS)
    if(NOT folder IN_LIST folders)
        message(FATAL_ERROR "${target} is in ${folder}/, which the folder table of "
                            "docs/ARCHITECTURE.md does not name: give the folder a row there")
    endif()
    get_property(uses GLOBAL PROPERTY TONVEXA_USES_${folder})
    if(NOT dependency_folder STREQUAL folder AND NOT dependency_folder IN_LIST uses)
        list(JOIN uses ", " uses)
        message(FATAL_ERROR "${target} (${folder}/) links ${dependency} (${dependency_folder}/), "
                            "but the folder table of docs/ARCHITECTURE.md lets ${folder}/ use "
                            "only: ${uses}")
    endif()
endfunction()
