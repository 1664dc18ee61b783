# Cross build of the transformation for 32-bit x86 Linux with Debian's g++-i686-linux-gnu.
# It has the arithmetic of the 32-bit Windows build (SSE2 doubles, no __int128) and runs
# under qemu-i386-static, which needs no kernel support for 32-bit programs: the tests use
# it to check that a 32-bit build writes the bytes the native build writes on any machine.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TQ58_CROSS_PREFIX i686-linux-gnu)
set(CMAKE_C_COMPILER ${TQ58_CROSS_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${TQ58_CROSS_PREFIX}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${TQ58_CROSS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The same flags as the 32-bit Windows build: the x87 unit would keep intermediates in 80
# bits, SSE2 rounds every operation to a double.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-i386-static -L /usr/${TQ58_CROSS_PREFIX})
