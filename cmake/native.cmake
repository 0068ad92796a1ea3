# Native tree: the core with the native seam, its unit tests, benchmarks and fuzz targets.
find_package(GTest REQUIRED)
include(GoogleTest)

# The native programs (unit tests, benchmarks) speak German, like the Win32 layer's tests.
file(GLOB_RECURSE NATIVE_SOURCES CONFIGURE_DEPENDS src/*_native.cpp)
add_library(pendra_native STATIC ${NATIVE_SOURCES} src/lang/LanguageDeutsch.cpp)
target_link_libraries(pendra_native PUBLIC pendra_core)
# The core calls the seam that pendra_native implements: a cycle CMake resolves for static libraries.
target_link_libraries(pendra_core PUBLIC pendra_native)

file(GLOB UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(pendra_unit_tests ${UNIT_TESTS})
target_link_libraries(pendra_unit_tests PRIVATE pendra_native GTest::gtest_main)
target_compile_definitions(pendra_unit_tests PRIVATE PENDRA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(pendra_unit_tests DISCOVERY_TIMEOUT 60)

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/fuzz/CMakeLists.txt AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_subdirectory(fuzz)
endif()
