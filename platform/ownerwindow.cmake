# The owner window with its message boxes, and file masks.
target_sources(vxlumo_objects PRIVATE ${CMAKE_CURRENT_LIST_DIR}/OwnerWindowCommon.cpp)
if(WIN32)
    target_sources(vxlumo_objects PRIVATE ${CMAKE_CURRENT_LIST_DIR}/win32/OwnerWindow.cpp
        ${CMAKE_CURRENT_LIST_DIR}/win32/FileMask.cpp)
else()
    target_sources(vxlumo_objects PRIVATE ${CMAKE_CURRENT_LIST_DIR}/posix/OwnerWindow.cpp
        ${CMAKE_CURRENT_LIST_DIR}/posix/FileMask.cpp)
endif()
