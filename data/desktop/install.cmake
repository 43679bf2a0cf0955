# Runs at install time, after the program folder has been copied: writes the
# desktop entry with the installed executable's absolute path, links the
# editor into bin/, and refreshes the desktop's caches when installing
# straight into a live prefix (not into a staging DESTDIR).
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(DOMORA_EXECUTABLE "${CMAKE_INSTALL_PREFIX}/${DOMORA_INSTALL_PROGRAM_DIR}/domora")

configure_file("${DOMORA_DESKTOP_TEMPLATE}"
    "${root}/share/applications/velmar-domora.desktop" @ONLY)
message(STATUS "Installing: ${root}/share/applications/velmar-domora.desktop")

if(EXISTS "${root}/${DOMORA_INSTALL_PROGRAM_DIR}/domora")
    file(MAKE_DIRECTORY "${root}/bin")
    file(RELATIVE_PATH target "${root}/bin" "${root}/${DOMORA_INSTALL_PROGRAM_DIR}/domora")
    file(CREATE_LINK "${target}" "${root}/bin/domora" SYMBOLIC)
    message(STATUS "Installing: ${root}/bin/domora -> ${target}")
endif()

if("$ENV{DESTDIR}" STREQUAL "")
    foreach(step "update-mime-database;${root}/share/mime"
                 "update-desktop-database;${root}/share/applications"
                 "gtk-update-icon-cache;-q;-t;-f;${root}/share/icons/hicolor")
        list(GET step 0 tool)
        find_program(tool_path ${tool})
        if(tool_path)
            list(SUBLIST step 1 -1 args)
            execute_process(COMMAND ${tool_path} ${args} OUTPUT_QUIET ERROR_QUIET)
        endif()
        unset(tool_path CACHE)
        unset(tool_path)
    endforeach()
endif()
