# pondero's request processing on arbitrary Prog_kom.cfg and ster_uni.xml.
vx_add_fuzzer(fuzz_bridge SOURCES ${CMAKE_CURRENT_LIST_DIR}/BridgeFuzz.cpp LIBS pondero_logic)
target_compile_options(pondero_logic PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
# The piece-wise request reading against the whole-document scan.
vx_add_fuzzer(fuzz_request_pieces SOURCES ${CMAKE_CURRENT_LIST_DIR}/RequestPiecesFuzz.cpp LIBS pondero_logic)
