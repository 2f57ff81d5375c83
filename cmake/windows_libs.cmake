# System libraries the Win32 platform links, one line per part of it.
target_link_libraries(schulferien_win32 PUBLIC kernel32)  # files, environment, process
target_link_libraries(schulferien_win32 PUBLIC user32 gdi32)  # main window, controls, painting
target_link_libraries(schulferien_win32 PUBLIC comctl32)  # the frames (SetWindowSubclass)
