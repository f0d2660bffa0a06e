# Cross-builds the core, zelkor-batch.exe and core_tests.exe for 64-bit
# Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the POSIX
# thread model, which std::thread needs):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZELKOR_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${ZELKOR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZELKOR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZELKOR_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZELKOR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 warns wrongly about std::string's own copies (its bug 105329).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# The C++ runtime and the threads library linked in, so that the .exe runs alone.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# The tests run the .exe files under Wine.
find_program(ZELKOR_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(ZELKOR_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZELKOR_WINE})
endif()

# No Qt, Python or Google Benchmark for Windows here.
set(ZELKOR_BUILD_GUI OFF CACHE BOOL "")
set(ZELKOR_BUILD_PYTHON OFF CACHE BOOL "")
set(ZELKOR_BUILD_BENCHMARKS OFF CACHE BOOL "")
