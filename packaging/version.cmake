# The version and the release date are written once, in the changelog's top entry: the program,
# its packages, the AppStream metadata and the manual page take them from there. Read before
# project(), which takes the version.
function(pelmora_read_changelog changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    file(READ ${changelog} entries)
    if(NOT entries MATCHES "^pelmora \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\)")
        message(FATAL_ERROR "${changelog}: the top entry names no version such as pelmora (1.2.3)")
    endif()
    set(PELMORA_VERSION ${CMAKE_MATCH_1} PARENT_SCOPE)
    # The first sign-off is the top entry's: " -- Name <address>  Mon, 07 Dec 2026 12:00:00 +0000"
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(names January February March April May June July August September October November
              December)
    set(date "\n -- [^\n]*>  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9]+) ")
    if(NOT entries MATCHES "${date}" OR NOT CMAKE_MATCH_2 IN_LIST months)
        message(FATAL_ERROR "${changelog}: the top entry's sign-off has no date such as "
                            "\"Mon, 07 Dec 2026 12:00:00 +0000\"")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    list(FIND months ${CMAKE_MATCH_2} index)
    list(GET names ${index} name)
    math(EXPR month "${index} + 101") # two digits after the 1
    math(EXPR day "${day} + 100")
    string(SUBSTRING ${month} 1 2 month)
    string(SUBSTRING ${day} 1 2 day)
    set(PELMORA_RELEASE_DATE ${year}-${month}-${day} PARENT_SCOPE) # as AppStream writes it
    set(PELMORA_RELEASE_MONTH "${name} ${year}" PARENT_SCOPE) # as a manual page writes it
endfunction()
pelmora_read_changelog(${CMAKE_CURRENT_LIST_DIR}/changelog)
