# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads), the
# programs run under Debian's wine64. Used by the windows-cross preset.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

# Static runtime: the test programs then need no MinGW DLLs on wine's path.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# A wine prefix of the build's own, so tests never touch the user's ~/.wine.
set(TERVOL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix the cross-built programs run in")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${TERVOL_WINEPREFIX})
# List the tests when ctest runs them, not while building: the build then
# needs no wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
