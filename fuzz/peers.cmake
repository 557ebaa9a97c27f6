# The stand-ins' readers of outside input: the goods file, scale.cfg with kasa.exp, the protocol.
vx_add_fuzzer(fuzz_plufeed SOURCES ${CMAKE_CURRENT_LIST_DIR}/peers/PlufeedFuzz.cpp LIBS cascale_core)
vx_add_fuzzer(fuzz_pcas_inputs SOURCES ${CMAKE_CURRENT_LIST_DIR}/peers/PCasInputsFuzz.cpp LIBS pcas_core)
vx_add_fuzzer(fuzz_scale_protocol SOURCES ${CMAKE_CURRENT_LIST_DIR}/peers/ScaleProtocolFuzz.cpp LIBS scalesim_core)
# Instrument the readers themselves so the fuzzers find their way through them.
foreach(lib peers_common scalesim_core cascale_core pcas_core)
    target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
endforeach()
# The stand-in programs built in this tree link the sanitizer runtime the instrumentation needs.
target_link_options(peers_common INTERFACE -fsanitize=address,undefined)
