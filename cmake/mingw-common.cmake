# Shared part of both mingw toolchain files; OMBRELA_TRIPLE names the target.
set(CMAKE_C_COMPILER ${OMBRELA_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${OMBRELA_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${OMBRELA_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${OMBRELA_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run under 64-bit Wine through this wrapper (it drops root, sets the prefix).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
