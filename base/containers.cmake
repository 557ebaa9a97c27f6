target_sources(vxlumo_objects PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MacDeque.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MacList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MStrBuffer.cpp)
