# The layers link one way: data, platform, app, then setup and output side by side, then the
# wiring that joins them. Static libraries would let a lower layer call up into a higher one
# unnoticed (the program links them all), so the configure refuses it.

# Every library `target` links, directly or through the libraries it links.
function(periwell_links_of target result)
    set(found "")
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        if(NOT TARGET ${current})
            continue()
        endif()
        get_target_property(links ${current} LINK_LIBRARIES)
        if(NOT links)
            continue()
        endif()
        foreach(link ${links})
            if(NOT link IN_LIST found)
                list(APPEND found ${link})
                list(APPEND pending ${link})
            endif()
        endforeach()
    endwhile()
    set(${result} ${found} PARENT_SCOPE)
endfunction()

# Fails when `target` links the library of a layer above it (periwell_<layer> for each layer
# named after the folder), or when a file in `folder` includes a header of one.
function(periwell_check_layer target folder)
    periwell_links_of(${target} links)
    file(GLOB sources ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    foreach(layer ${ARGN})
        if(periwell_${layer} IN_LIST links)
            message(FATAL_ERROR "${target} links periwell_${layer}: ${layer} is a layer above it")
        endif()
        foreach(source ${sources})
            file(STRINGS ${source} reaching REGEX "^#include \"${layer}/")
            if(reaching)
                message(FATAL_ERROR "${source} includes a header of ${layer}, a layer above it")
            endif()
        endforeach()
    endforeach()
endfunction()
