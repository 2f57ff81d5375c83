# The Windows program (cross-built with mingw-w64, or built with MinGW-w64 on Windows).

# The Win32 implementation of the platform.
file(GLOB SCHULFERIEN_WIN32_SOURCES CONFIGURE_DEPENDS platform/win32/*.cpp)
add_library(schulferien_win32 STATIC ${SCHULFERIEN_WIN32_SOURCES})
target_compile_definitions(schulferien_win32 PUBLIC UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
target_link_libraries(schulferien_win32 PUBLIC schulferien_core)
include(${CMAKE_CURRENT_LIST_DIR}/windows_libs.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/windows_app.cmake)
