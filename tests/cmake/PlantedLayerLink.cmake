cmake_minimum_required(VERSION 3.25)
# A link the folder table forbids, checked as the configuration checks every link: run with
# -DSOURCE_DIR=<project> -DUSER=<folder> -DUSED=<folder>; it must stop naming both libraries.
include(${SOURCE_DIR}/cmake/LayerTable.cmake)
tonvexa_read_layer_table(${SOURCE_DIR}/docs/ARCHITECTURE.md)
tonvexa_check_layer_use(tonvexa_${USER} ${USER} tonvexa_${USED} ${USED})
message(STATUS "${USER}/ may use ${USED}/")
