# Cross build of the 32-bit Windows program with MinGW-w64 from Debian.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TQ58_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${TQ58_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TQ58_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${TQ58_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TQ58_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The x87 unit keeps intermediates in 80 bits; SSE2 arithmetic rounds every operation to a
# double, as the 64-bit build does, so both builds write the same numbers.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# Wine runs a 32-bit program through the same loader when wine32 is installed.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
# The release program is shipped without its symbol table.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
