# GCC 12 miscompiles a co_await in the condition of if, while or switch, or behind || and &&
# (the awaiting coroutine is resumed through a dead frame and crashes). Every co_await of the
# program stands alone or initialises a variable; this check finds one that does not.
# Usage: cmake -DROOT=<source dir> -P CheckCoAwait.cmake
file(GLOB_RECURSE sources ${ROOT}/*.cpp ${ROOT}/*.h)
set(found "")
foreach(source IN LISTS sources)
    if(source MATCHES "/build[^/]*/")
        continue()
    endif()
    file(READ ${source} text)
    string(REGEX MATCHALL "(if|while|switch) *\\([^;{]*co_await|(\\|\\||&&|\\?) *!?co_await" hits
           "${text}")
    if(hits)
        string(APPEND found "\n  ${source}")
    endif()
endforeach()
if(found)
    message(FATAL_ERROR "co_await inside a condition (await into a variable first):${found}")
endif()
