# Text, number, path and date-time tools.
target_sources(vxlumo_objects PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DateTimeUtils.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TxTools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TfTools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TdtTools.cpp)
