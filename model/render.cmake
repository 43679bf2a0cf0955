# Rendering of the drawing objects through the drawing context of graphics/:
# brushes from BrushStyle, captions, every object kind, selection marks, door
# and window symbols, the document's drawing entry and the image export.
target_sources(model PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/openinginsertion.cpp ${CMAKE_CURRENT_LIST_DIR}/openinginsertion.h
    ${CMAKE_CURRENT_LIST_DIR}/openingops.cpp ${CMAKE_CURRENT_LIST_DIR}/openingops.h
    ${CMAKE_CURRENT_LIST_DIR}/openingsymbol.cpp ${CMAKE_CURRENT_LIST_DIR}/openingsymbol.h
    ${CMAKE_CURRENT_LIST_DIR}/renderbrush.cpp ${CMAKE_CURRENT_LIST_DIR}/renderbrush.h
    ${CMAKE_CURRENT_LIST_DIR}/renderdocument.cpp ${CMAKE_CURRENT_LIST_DIR}/renderdocument.h
    ${CMAKE_CURRENT_LIST_DIR}/renderexport.cpp ${CMAKE_CURRENT_LIST_DIR}/renderexport.h
    ${CMAKE_CURRENT_LIST_DIR}/renderoptions.cpp ${CMAKE_CURRENT_LIST_DIR}/renderoptions.h
    ${CMAKE_CURRENT_LIST_DIR}/rendertext.cpp ${CMAKE_CURRENT_LIST_DIR}/rendertext.h)
target_link_libraries(model PUBLIC graphics)

add_project_test(model_render_tests
    SOURCES tests/openingsymboltest.cpp tests/rendertest.cpp tests/openingopstest.cpp tests/exporttest.cpp
    LIBS model QAPP)
