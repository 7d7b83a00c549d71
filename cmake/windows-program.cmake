# The Windows program: MinGW-w64 against the static Qt that
# tools/windows/build-qt.sh makes (its prefix in RW_WINDOWS_QT), with Qt's
# build tools (moc, rcc) taken from the host.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
if(NOT DEFINED RW_WINDOWS_QT)
  set(RW_WINDOWS_QT "$ENV{RW_WINDOWS_QT}")
endif()
if(NOT RW_WINDOWS_QT)
  message(FATAL_ERROR "RW_WINDOWS_QT is not set: run tools/windows/build-qt.sh (make windows does)")
endif()
set(RW_WINDOWS_QT "${RW_WINDOWS_QT}" CACHE PATH "The static Qt for Windows")
list(APPEND CMAKE_FIND_ROOT_PATH "${RW_WINDOWS_QT}")
list(APPEND CMAKE_PREFIX_PATH "${RW_WINDOWS_QT}")
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
# Tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine CACHE STRING "")
