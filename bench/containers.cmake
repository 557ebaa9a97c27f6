vx_add_benchmark(containers_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/ContainersBench.cpp)
