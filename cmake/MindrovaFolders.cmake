# The program's folders as folders.txt lists them, and the libraries built in them.

# mindrova_folders: every folder of folders.txt, in build order.
file(STRINGS ${PROJECT_SOURCE_DIR}/folders.txt mindrova_folder_lines REGEX "^[a-z]")
set(mindrova_folders)
foreach(line IN LISTS mindrova_folder_lines)
    string(REGEX MATCH "^[^ \t]+" folder "${line}")
    list(APPEND mindrova_folders ${folder})
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/folders.txt)

# mindrova_own_headers(<target> [<header>...]): an include folder for <target> alone, holding its
# own headers (by default every header of the current folder) as "<folder>/<name>.h". A target
# that links <target> sees them; any other cannot include them at all, so the compiler, not only
# the layer check, refuses an include across the folders' edges.
function(mindrova_own_headers target)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(headers ${ARGN})
    if(NOT headers)
        file(GLOB headers RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS
            ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    endif()
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${folder}/${header}
            SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
    # The tests and benchmarks may reach every library's headers.
    set_property(GLOBAL APPEND PROPERTY mindrova_include_roots ${root})
endfunction()
