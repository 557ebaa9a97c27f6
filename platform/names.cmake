# Finding files by name without regard to case.
if(WIN32)
    target_sources(vxlumo_objects PRIVATE win32/FileNames.cpp)
else()
    target_sources(vxlumo_objects PRIVATE posix/FileNames.cpp)
endif()
