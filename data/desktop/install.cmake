# Runs at install time, after the program folder has been copied: writes the
# desktop entry with the installed executable's absolute path into the
# prefix, and when installing straight onto this machine (no DESTDIR) also
# registers the entry, the MIME types and the icons with the user's desktop
# ($XDG_DATA_HOME, ~/.local/share by default), as the editor itself does at
# start, and refreshes the desktop's caches there.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(DOMORA_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/${DOMORA_INSTALL_FOLDER}/domora")
string(REPLACE "/./" "/" DOMORA_EXECUTABLE "${DOMORA_EXECUTABLE}")
string(REGEX REPLACE "/\\.$" "" DOMORA_EXECUTABLE "${DOMORA_EXECUTABLE}")

set(entry "${root}/share/applications/velmar-domora.desktop")
configure_file("${DOMORA_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
message(STATUS "Installing: ${entry}")

if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()

if(NOT "$ENV{XDG_DATA_HOME}" STREQUAL "")
    set(user_data "$ENV{XDG_DATA_HOME}")
else()
    set(user_data "$ENV{HOME}/.local/share")
endif()
if(user_data STREQUAL "/.local/share" OR user_data STREQUAL "${root}/share")
    return()
endif()
message(STATUS "Registering with the desktop in ${user_data}")
file(COPY "${entry}" DESTINATION "${user_data}/applications")
file(COPY "${root}/share/mime/packages/velmar-domora.xml" DESTINATION "${user_data}/mime/packages")
file(COPY "${root}/share/icons/hicolor/" DESTINATION "${user_data}/icons/hicolor")
foreach(step "update-mime-database;${user_data}/mime"
             "update-desktop-database;${user_data}/applications"
             "gtk-update-icon-cache;-q;-t;-f;${user_data}/icons/hicolor")
    list(GET step 0 tool)
    find_program(tool_path ${tool})
    if(tool_path)
        list(SUBLIST step 1 -1 args)
        execute_process(COMMAND ${tool_path} ${args} OUTPUT_QUIET ERROR_QUIET)
    endif()
    unset(tool_path CACHE)
    unset(tool_path)
endforeach()
