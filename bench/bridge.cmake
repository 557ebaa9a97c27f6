# pondero's request processing on large requests.
vx_add_benchmark(bridge_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/BridgeBench.cpp LIBS pondero_logic)
