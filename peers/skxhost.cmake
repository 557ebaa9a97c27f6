# The SKX host stand-in: peers/CMakeLists.txt includes this file.
if(NOT TARGET skxhost)
    add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/skxhost ${PROJECT_BINARY_DIR}/peers/skxhost)
endif()
