# Editing: the drawing tools and click modes, the geometric edits of rooms,
# the room presets, the wall styles and the formatting gallery, and the
# property sheets of rooms, walls, primitives, texts, doors and windows.

# The rules, without widgets.
add_library(editor_editing_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/tools/autoformat.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/autoformat.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/documenttype.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/documenttype.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/editingtools.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/editingtools.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/hatchnames.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/hatchnames.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/libraryfolder.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/libraryfolder.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/roomcreation.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/roomcreation.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/roomedits.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/roomedits.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/roomgeometry.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/roomgeometry.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/roompresets.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/roompresets.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/segmenttable.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/segmenttable.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/selectionedits.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/selectionedits.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/wallstyles.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/wallstyles.h)
target_link_libraries(editor_editing_core PUBLIC model styles_brush platform Qt6::Core Qt6::Gui)

add_project_test(editor_editing_core_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/editing/roomgeometrytest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/editing/roomeditstest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/editing/stylestest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/editing/sheetlogictest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/editing/editinghelpers.h
    LIBS editor_editing_core model_samples)

# The dialogs, sheets, pages and wizards.
add_library(editor_editing STATIC
    ${CMAKE_CURRENT_LIST_DIR}/cautoformatwizard.cpp ${CMAKE_CURRENT_LIST_DIR}/cautoformatwizard.h
    ${CMAKE_CURRENT_LIST_DIR}/cbackgroundpage.cpp ${CMAKE_CURRENT_LIST_DIR}/cbackgroundpage.h
    ${CMAKE_CURRENT_LIST_DIR}/cdoctypedlg.cpp ${CMAKE_CURRENT_LIST_DIR}/cdoctypedlg.h
    ${CMAKE_CURRENT_LIST_DIR}/cfontsheet.cpp ${CMAKE_CURRENT_LIST_DIR}/cfontsheet.h
    ${CMAKE_CURRENT_LIST_DIR}/clibraryimagedlg.cpp ${CMAKE_CURRENT_LIST_DIR}/clibraryimagedlg.h
    ${CMAKE_CURRENT_LIST_DIR}/cnumberdlg.cpp ${CMAKE_CURRENT_LIST_DIR}/cnumberdlg.h
    ${CMAKE_CURRENT_LIST_DIR}/copeningsheet.cpp ${CMAKE_CURRENT_LIST_DIR}/copeningsheet.h
    ${CMAKE_CURRENT_LIST_DIR}/cpositiongroup.cpp ${CMAKE_CURRENT_LIST_DIR}/cpositiongroup.h
    ${CMAKE_CURRENT_LIST_DIR}/cpropertysheet.cpp ${CMAKE_CURRENT_LIST_DIR}/cpropertysheet.h
    ${CMAKE_CURRENT_LIST_DIR}/crectsheet.cpp ${CMAKE_CURRENT_LIST_DIR}/crectsheet.h
    ${CMAKE_CURRENT_LIST_DIR}/croomgeneralpage.cpp ${CMAKE_CURRENT_LIST_DIR}/croomgeneralpage.h
    ${CMAKE_CURRENT_LIST_DIR}/croomsheet.cpp ${CMAKE_CURRENT_LIST_DIR}/croomsheet.h
    ${CMAKE_CURRENT_LIST_DIR}/croomtypedlg.cpp ${CMAKE_CURRENT_LIST_DIR}/croomtypedlg.h
    ${CMAKE_CURRENT_LIST_DIR}/csegmentdlg.cpp ${CMAKE_CURRENT_LIST_DIR}/csegmentdlg.h
    ${CMAKE_CURRENT_LIST_DIR}/ctextsheet.cpp ${CMAKE_CURRENT_LIST_DIR}/ctextsheet.h
    ${CMAKE_CURRENT_LIST_DIR}/cwallsheet.cpp ${CMAKE_CURRENT_LIST_DIR}/cwallsheet.h
    ${CMAKE_CURRENT_LIST_DIR}/cwallspage.cpp ${CMAKE_CURRENT_LIST_DIR}/cwallspage.h
    ${CMAKE_CURRENT_LIST_DIR}/cwallstylewizard.cpp ${CMAKE_CURRENT_LIST_DIR}/cwallstylewizard.h
    ${CMAKE_CURRENT_LIST_DIR}/cwizardpages.cpp ${CMAKE_CURRENT_LIST_DIR}/cwizardpages.h
    ${CMAKE_CURRENT_LIST_DIR}/editingsheets.cpp ${CMAKE_CURRENT_LIST_DIR}/editingsheets.h
    ${CMAKE_CURRENT_LIST_DIR}/editingui.cpp ${CMAKE_CURRENT_LIST_DIR}/editingui.h)
target_link_libraries(editor_editing PUBLIC editor_editing_core toolkit platform_ui
    Qt6::Widgets Qt6::PrintSupport)

add_project_test(editor_editing_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/editing/dialogstest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/editing/sheetstest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/editing/editinghelpers.h
    LIBS editor_editing QAPP)

# Shows one editing dialog with sample contents, for looking at it under Xvfb.
if(DOMORA_TESTS)
    add_executable(editing_gallery ${CMAKE_CURRENT_LIST_DIR}/tests/editing/gallery.cpp)
    set_target_properties(editing_gallery PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DOMORA_TEST_BIN_DIR})
    target_compile_definitions(editing_gallery PRIVATE DOMORA_PROGRAM_DIR="${DOMORA_PROGRAM_DIR}")
    target_link_libraries(editing_gallery PRIVATE editor_editing)
endif()

# The tools and click modes in the plan view, and the editor's hook-up.
add_library(editor_editing_view STATIC
    ${CMAKE_CURRENT_LIST_DIR}/cviewediting.cpp ${CMAKE_CURRENT_LIST_DIR}/cviewediting.h
    ${CMAKE_CURRENT_LIST_DIR}/editingsetup.cpp ${CMAKE_CURRENT_LIST_DIR}/editingsetup.h
    ${CMAKE_CURRENT_LIST_DIR}/vieweditinghook.h)
target_link_libraries(editor_editing_view PUBLIC editor_editing editor_app)
target_link_libraries(domora PRIVATE editor_editing_view)

add_project_test(editor_editing_view_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/editing/viewtoolstest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/editing/uitesthelpers.h
    LIBS editor_editing_view QAPP)
