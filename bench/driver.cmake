# The driver as a host meets it: one export operation, long runs of operations and many
# load-register-release cycles of the shared library (memory and open files before and after).
vx_add_benchmark(driver_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/DriverBench.cpp)
add_dependencies(driver_bench vxlumo)
target_compile_definitions(driver_bench PRIVATE VX_LIBRARY_PATH="$<TARGET_FILE:vxlumo>")
