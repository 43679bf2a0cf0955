# Editing: the drawing tools and click modes, the geometric edits of rooms,
# the room presets, the wall styles and the formatting gallery, and the
# property sheets of rooms, walls, primitives, texts, doors and windows.

# The rules, without widgets.
add_library(editor_editing_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/tools/autoformat.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/autoformat.h
    ${CMAKE_CURRENT_LIST_DIR}/tools/documenttype.cpp ${CMAKE_CURRENT_LIST_DIR}/tools/documenttype.h
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
    LIBS editor_editing_core)
