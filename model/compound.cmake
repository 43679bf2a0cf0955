# The compound file (structured storage), the summary information stream and
# the safe save every document file goes through.
add_library(model_compound STATIC
    compound.cpp compound.h
    safesave.cpp safesave.h
    summaryinfo.cpp summaryinfo.h)
target_link_libraries(model_compound PUBLIC platform Qt6::Core)

add_project_test(model_compound_tests
    SOURCES tests/compoundtest.cpp tests/compoundmalformedtest.cpp tests/compoundsafesavetest.cpp
            tests/summaryinfotest.cpp
    LIBS model_compound)
