# Windows build with mingw-w64: one self-contained exe with the Win32 platform and windows.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

file(GLOB WIN32_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/platform/*.cpp
  ${CMAKE_SOURCE_DIR}/platform/sandbox/*.cpp)
list(FILTER WIN32_SOURCES EXCLUDE REGEX ".*/main\\.cpp$")
add_library(rovanta_win32 STATIC ${WIN32_SOURCES})
target_link_libraries(rovanta_win32 PUBLIC rovanta_core)
set(WIN32_LIBS rasapi32 ole32 oleaut32 uuid wbemuuid comctl32 comdlg32 gdi32 user32 shell32 shlwapi wininet winmm gdiplus advapi32 ws2_32)
target_link_libraries(rovanta_win32 PUBLIC ${WIN32_LIBS})
# The core calls the platform's free functions (code pages): a static cycle.
target_link_libraries(rovanta_core INTERFACE rovanta_win32)

if(EXISTS ${CMAKE_SOURCE_DIR}/ui/win32/main.cpp)
  add_executable(Rovanta WIN32 ${CMAKE_SOURCE_DIR}/ui/win32/main.cpp)
  if(EXISTS ${CMAKE_SOURCE_DIR}/resources/rovanta.rc)
    target_sources(Rovanta PRIVATE ${CMAKE_SOURCE_DIR}/resources/rovanta.rc)
  endif()
  target_link_libraries(Rovanta PRIVATE rovanta_win32)
  target_link_options(Rovanta PRIVATE -municode)
endif()

# The Windows-side test driver: finds windows by title and controls by id.
file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/driver/*.cpp)
if(DRIVER_SOURCES)
  add_executable(rvdriver ${DRIVER_SOURCES} ${CMAKE_SOURCE_DIR}/platform/win32/wide.cpp)
  target_include_directories(rvdriver PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(rvdriver PRIVATE rovanta_core user32 gdi32 comctl32 gdiplus ole32 shell32)
  target_link_options(rvdriver PRIVATE -municode)
endif()

# A console probe of the real HTTP request object, run under Wine by the tests.
file(GLOB HTTPPROBE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/httpprobe/*.cpp)
if(HTTPPROBE_SOURCES)
  add_executable(httpprobe ${HTTPPROBE_SOURCES})
  target_link_libraries(httpprobe PRIVATE rovanta_win32)
endif()

# The network-environment probe of the Wine tests: the real backends, one command a run.
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/netprobe/main.cpp)
  add_executable(netprobe ${CMAKE_SOURCE_DIR}/tools/netprobe/main.cpp)
  target_link_options(netprobe PRIVATE -municode)
  target_link_libraries(netprobe PRIVATE rovanta_win32)
endif()
