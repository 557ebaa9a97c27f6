# The exception classes and the application's general exception handler.
target_sources(vxlumo_objects PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/Macerror.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Mfierror.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExceptionHandler.cpp)
