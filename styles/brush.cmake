# The rules of the "Sfondo" page (brush styles of rooms, walls and
# primitives), without widgets.
add_library(styles_brush STATIC
    ${CMAKE_CURRENT_LIST_DIR}/brushpage.cpp ${CMAKE_CURRENT_LIST_DIR}/brushpage.h)
target_include_directories(styles_brush PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(styles_brush PUBLIC model Qt6::Core)

add_project_test(styles_brush_tests SOURCES tests/brushpagetest.cpp LIBS styles_brush)
