# The whole program for 64-bit Windows: MinGW-w64 with its runtime as DLLs
# (Qt's DLLs share them), against the Qt and libraries that
# scripts/build-qt-windows puts in its cache:
#   TERVOL_WINDOWS_QT    Qt's install folder
#   TERVOL_WINDOWS_DEPS  QCustomPlot and libxlsxwriter
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TERVOL_WINDOWS_QT TERVOL_WINDOWS_DEPS)
foreach(dir IN ITEMS ${TERVOL_WINDOWS_QT} ${TERVOL_WINDOWS_DEPS})
  if(NOT dir IN_LIST CMAKE_FIND_ROOT_PATH)
    list(APPEND CMAKE_FIND_ROOT_PATH ${dir})
    list(APPEND CMAKE_PREFIX_PATH ${dir})
  endif()
endforeach()
# pkg-config (libxlsxwriter) reads only the Windows libraries' files.
if(TERVOL_WINDOWS_DEPS)
  set(ENV{PKG_CONFIG_LIBDIR} ${TERVOL_WINDOWS_DEPS}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
endif()
# Qt's tools (moc, rcc, uic) are Debian's own, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Build steps that run a program of the build (the icon's rendering) run it
# under wine, in a prefix of the build's own.
set(TERVOL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix the cross-built programs run in")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${TERVOL_WINEPREFIX})
