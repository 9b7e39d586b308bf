# Yearly files of the shapes the program never creates, and seeded years of batches and samples,
# for the tests and the benchmarks: no GoogleTest and no windows, so bench/ links it as well
# (and includes this file itself when the tests are not built).
add_library(trelimor_yeardata STATIC
    ${CMAKE_CURRENT_LIST_DIR}/YearGenerator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/YearGenerator.h
    ${CMAKE_CURRENT_LIST_DIR}/YearShapes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/YearShapes.h
    ${CMAKE_CURRENT_LIST_DIR}/YearValues.cpp
    ${CMAKE_CURRENT_LIST_DIR}/YearValues.h
)
target_include_directories(trelimor_yeardata PUBLIC ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(trelimor_yeardata PUBLIC trelimor_common)
