# Large buffers, on large pages where the system offers them.
if(WIN32)
    target_sources(vxlumo_objects PRIVATE win32/Memory.cpp)
else()
    target_sources(vxlumo_objects PRIVATE posix/Memory.cpp)
endif()
