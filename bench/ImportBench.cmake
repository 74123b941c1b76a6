# The import of a whole country: the national source database written out as the collection
# system's folder, then taken in again, timed. Part of 'make bench'.
add_executable(orvane-bench-import ImportBench.cpp CollectionWriter.cpp)
target_link_libraries(orvane-bench-import PRIVATE orvane_import SQLite::SQLite3)

add_custom_target(bench-import
    COMMAND orvane-bench-import ${ORVANE_BENCH_DATA} ${CMAKE_BINARY_DIR}/bench-data/collection
    DEPENDS bench-data orvane-bench-import
    COMMENT "Timing the import of the national collection folder"
    USES_TERMINAL
    VERBATIM)
add_dependencies(bench-run bench-import)
