# Readers of outside text in the text, number and date-time tools.
vx_add_fuzzer(fuzz_tdt_from_string SOURCES ${CMAKE_CURRENT_LIST_DIR}/tools/TdtFromStringFuzzer.cpp)
vx_add_fuzzer(fuzz_number_readers SOURCES ${CMAKE_CURRENT_LIST_DIR}/tools/NumberReadersFuzzer.cpp)
vx_add_fuzzer(fuzz_word_selection SOURCES ${CMAKE_CURRENT_LIST_DIR}/tools/WordSelectionFuzzer.cpp)
