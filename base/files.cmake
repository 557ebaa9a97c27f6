target_sources(vxlumo_objects PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MLogfile.cpp)
