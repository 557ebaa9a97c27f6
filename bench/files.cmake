vx_add_benchmark(files_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/FilesBench.cpp)
