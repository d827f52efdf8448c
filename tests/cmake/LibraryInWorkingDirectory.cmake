cmake_minimum_required(VERSION 3.25)
# A program started from a folder that holds a broken library of a name it needs must start all
# the same: it looks for libraries only where the system keeps them. Run with -DPROGRAM=<file>
# -DFOLDER=<scratch folder>.
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
file(WRITE ${FOLDER}/libQt6Core.so.6 "not a library")
execute_process(COMMAND ${PROGRAM} --help WORKING_DIRECTORY ${FOLDER}
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
file(REMOVE_RECURSE ${FOLDER})
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help in a folder with a broken libQt6Core.so.6: ${error}")
endif()
