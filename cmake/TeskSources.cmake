# tesk_add_folder_sources([<subfolder>...])
#
# Adds every header and source of the calling folder (and of the named
# subfolders) to teskcore. Globbing keeps parallel work on one folder from
# colliding in its list file; CONFIGURE_DEPENDS notices added files.
function(tesk_add_folder_sources)
    set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(sub IN LISTS ARGN)
        list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp)
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${patterns})
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    target_sources(teskcore PRIVATE ${sources})
    # Moc's dependency file only lists the headers of the last run, so a
    # build tree made before a folder existed would never moc its classes.
    set_property(TARGET teskcore APPEND PROPERTY AUTOGEN_TARGET_DEPENDS ${sources})
endfunction()
