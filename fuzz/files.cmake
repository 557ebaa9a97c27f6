vx_add_fuzzer(fuzz_read_strings SOURCES ${CMAKE_CURRENT_LIST_DIR}/ReadStringsFuzz.cpp)
