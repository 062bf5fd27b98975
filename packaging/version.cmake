# The version and the release date are written once, in the changelog's top entry, and read by
# packaging/read-changelog alone: the program, its packages, the AppStream metadata and the manual
# page take them from there. Read before project(), which takes the version.
function(pelmora_read_changelog field variable)
    execute_process(COMMAND ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/read-changelog ${field}
                    OUTPUT_VARIABLE value ERROR_VARIABLE why RESULT_VARIABLE failed
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(failed)
        message(FATAL_ERROR "${why}")
    endif()
    set(${variable} ${value} PARENT_SCOPE)
endfunction()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
pelmora_read_changelog(version PELMORA_VERSION)
pelmora_read_changelog(day PELMORA_RELEASE_DATE) # as AppStream writes it
pelmora_read_changelog(month PELMORA_RELEASE_MONTH) # as a manual page writes it
