# Host build: simulated platform, POSIX facilities, headless view, tests, sandbox.
if(ROVANTA_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(ROVANTA_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

find_package(Threads REQUIRED)
find_package(CURL REQUIRED)

file(GLOB SIM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/sim/*.cpp)
file(GLOB POSIX_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/posix/*.cpp)
file(GLOB HEADLESS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/ui/headless/*.cpp)
# Portable platform pieces shared by every backend, and the program's sandbox client.
file(GLOB SHARED_PLATFORM_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/platform/*.cpp
  ${CMAKE_SOURCE_DIR}/platform/sandbox/*.cpp)

add_library(rovanta_host STATIC ${SIM_SOURCES} ${POSIX_SOURCES} ${HEADLESS_SOURCES} ${SHARED_PLATFORM_SOURCES})
target_link_libraries(rovanta_host PUBLIC rovanta_core Threads::Threads CURL::libcurl)
target_link_libraries(rovanta_core PUBLIC Threads::Threads)
# The core calls the platform's text conversions, so the two libraries
# need each other whatever order the linker meets them in.
target_link_libraries(rovanta_core PUBLIC rovanta_host)

file(GLOB SANDBOX_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/sandbox/*.cpp)
list(FILTER SANDBOX_SOURCES EXCLUDE REGEX ".*/main\\.cpp$")
if(SANDBOX_SOURCES)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
  find_package(OpenSSL REQUIRED)
  add_library(rovanta_sandbox_lib STATIC ${SANDBOX_SOURCES})
  target_link_libraries(rovanta_sandbox_lib PUBLIC rovanta_host PkgConfig::HTTPLIB OpenSSL::SSL OpenSSL::Crypto)
  if(EXISTS ${CMAKE_SOURCE_DIR}/sandbox/main.cpp)
    add_executable(rovanta-sandbox ${CMAKE_SOURCE_DIR}/sandbox/main.cpp)
    target_link_libraries(rovanta-sandbox PRIVATE rovanta_sandbox_lib)
  endif()
endif()

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)
file(GLOB TEST_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp
  ${CMAKE_SOURCE_DIR}/tests/scenario/*.cpp
  ${CMAKE_SOURCE_DIR}/tests/integration/*.cpp
  ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_executable(rovanta_tests ${TEST_SOURCES})
target_include_directories(rovanta_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(rovanta_tests PRIVATE rovanta_host GTest::gtest GTest::gtest_main GTest::gmock)
if(TARGET rovanta_sandbox_lib)
  target_link_libraries(rovanta_tests PRIVATE rovanta_sandbox_lib)
endif()
target_compile_definitions(rovanta_tests PRIVATE ROVANTA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(rovanta_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)

# End-to-end tests of the Windows program under Wine; they need the 64-bit build.
set(ROVANTA_WIN64_DIR "" CACHE PATH "Build folder of the 64-bit Windows program")
file(GLOB WINE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/wine/*.cpp)
if(ROVANTA_WIN64_DIR AND WINE_TEST_SOURCES)
  add_executable(rovanta_wine_tests ${WINE_TEST_SOURCES})
  target_include_directories(rovanta_wine_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(rovanta_wine_tests PRIVATE rovanta_host GTest::gtest GTest::gtest_main)
  if(TARGET rovanta_sandbox_lib)
    target_link_libraries(rovanta_wine_tests PRIVATE rovanta_sandbox_lib)
  endif()
  target_compile_definitions(rovanta_wine_tests PRIVATE
    ROVANTA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    ROVANTA_WIN64_DIR="${ROVANTA_WIN64_DIR}"
    ROVANTA_ARTIFACT_DIR="${CMAKE_BINARY_DIR}/artifacts"
    ROVANTA_WINE_CACHE_DIR="${CMAKE_BINARY_DIR}/wine-prefix")
  gtest_discover_tests(rovanta_wine_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE LABELS wine)
endif()

file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*.cpp)
file(GLOB SUPPORT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
set(WINE_BENCH_SOURCES ${BENCH_SOURCES})
list(FILTER BENCH_SOURCES EXCLUDE REGEX ".*_wine_bench\\.cpp$")
list(FILTER WINE_BENCH_SOURCES INCLUDE REGEX ".*_wine_bench\\.cpp$")
foreach(src ${BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  # A benchmark may run a whole program in the simulator (tests/support).
  add_executable(${name} ${src} ${SUPPORT_SOURCES})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE rovanta_host GTest::gtest)
endforeach()
# A *_wine_bench.cpp runs the real 64-bit program under Wine against the
# sandbox provider, with the Wine tests' host, process and driver classes.
if(ROVANTA_WIN64_DIR AND TARGET rovanta_sandbox_lib)
  foreach(src ${WINE_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src} ${CMAKE_SOURCE_DIR}/tests/wine/wine_session.cpp
                   ${CMAKE_SOURCE_DIR}/tests/wine/sandbox_program.cpp)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE rovanta_sandbox_lib GTest::gtest)
    target_compile_definitions(${name} PRIVATE
      ROVANTA_WIN64_DIR="${ROVANTA_WIN64_DIR}"
      ROVANTA_ARTIFACT_DIR="${CMAKE_BINARY_DIR}/artifacts"
      ROVANTA_WINE_CACHE_DIR="${CMAKE_BINARY_DIR}/wine-prefix")
  endforeach()
endif()
