# Cross-compiling for 64-bit Windows with MinGW-w64 on Debian.
#
# The -posix compiler variants are used on purpose: the win32 thread model
# lacks std::mutex/std::thread, which GoogleTest and our own code rely on.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CORV_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER   ${CORV_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CORV_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${CORV_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${CORV_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest (and add_custom_command with an executable target) run the
# cross-built programs through Wine.
get_filename_component(CORV_WINE_TEST "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-test" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${CORV_WINE_TEST}")
