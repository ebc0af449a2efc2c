# Cross build for 64-bit Windows with MinGW-w64 (the posix thread model, for std::thread
# and std::mutex). The programs link libgcc, libstdc++ and winpthread statically, so each
# .exe runs on its own, and run under Wine where a build step or test starts them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(OBRIX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${OBRIX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OBRIX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${OBRIX_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${OBRIX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Windows 7 and later; the wide-character API throughout.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# Every program a test starts runs under Wine, in a prefix of its own inside the build
# folder (made on first use, see wine-run.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
