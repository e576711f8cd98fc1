# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads, for std::thread and
# std::mutex). Programs are linked fully static so they run under Wine, and on a shop's machine,
# without any MinGW DLL beside them. Tests run through Wine (see wine-run.sh).
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MVF_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MVF_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MVF_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MVF_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MVF_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs (and gtest_discover_tests) run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)

# After the project() call: GoogleTest built with this compiler, and the header-only libraries
# that the Linux build takes from /usr/include.
set(CMAKE_PROJECT_MariveltaFerramentas_INCLUDE ${CMAKE_CURRENT_LIST_DIR}/mingw-dependencies.cmake)
