# The compressed date-time text, written and read, as the exchange files use it per record.
vx_add_benchmark(bench_tools SOURCES ${CMAKE_CURRENT_LIST_DIR}/tools/CompressedDateTimeBench.cpp)
