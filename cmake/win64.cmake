# Win64 tree: Pendra.exe, the Win32 layer's tests and the end-to-end driver, all run under Wine.
add_link_options(-static)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

set(WIN_LIBS user32 gdi32 comctl32 shell32 kernel32)

# The Win32 layer without the entry point, so that its tests can link it.
file(GLOB_RECURSE WIN_SOURCES CONFIGURE_DEPENDS src/*_win.cpp)
list(FILTER WIN_SOURCES EXCLUDE REGEX "WinMain_win\\.cpp$")
add_library(pendra_win STATIC ${WIN_SOURCES})
target_link_libraries(pendra_win PUBLIC pendra_core ${WIN_LIBS})
# The core calls the seam that pendra_win implements: a cycle CMake resolves for static libraries.
target_link_libraries(pendra_core PUBLIC pendra_win)

set(RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/assets/Pendra.rc)
# The manifest carries the version of src/lang/Version.h, the one place it is written; the
# resource script finds the made manifest in the build tree.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/lang/Version.h FILE_VERSION_LINE REGEX "^#define PENDRA_FILE_VERSION_TEXT ")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" PENDRA_FILE_VERSION "${FILE_VERSION_LINE}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/lang/Version.h)
set(MANIFEST ${CMAKE_BINARY_DIR}/generated/Pendra.manifest)
configure_file(${CMAKE_SOURCE_DIR}/assets/Pendra.manifest.in ${MANIFEST} @ONLY)
set_property(SOURCE ${RESOURCE_SCRIPT} APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/generated)
add_executable(Pendra WIN32 src/app/WinMain_win.cpp)
if(EXISTS ${RESOURCE_SCRIPT})
  target_sources(Pendra PRIVATE ${RESOURCE_SCRIPT})
  # windres does not report the files it embeds: rebuild the resources when any asset changes.
  file(GLOB_RECURSE RESOURCE_FILES CONFIGURE_DEPENDS assets/*.ico assets/*.h assets/ScaledPictures.rc
       assets/pictures/*)
  set_source_files_properties(${RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS "${RESOURCE_FILES};${MANIFEST}")
endif()
target_link_libraries(Pendra PRIVATE pendra_win)
# The PE header's time stamp stays 0 (the linker and binutils would write the build's time), so
# that a rebuild gives the same bytes.
target_link_options(Pendra PRIVATE -mwindows -municode -Wl,--no-insert-timestamp)
set(NO_TIME_STAMP ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0)
# The shipped exe is stripped; its debug information goes to Pendra.exe.debug beside it,
# where gdb finds it through the debug link.
add_custom_command(TARGET Pendra POST_BUILD
  COMMAND ${NO_TIME_STAMP} ${CMAKE_OBJCOPY} --only-keep-debug Pendra.exe Pendra.exe.debug
  COMMAND ${NO_TIME_STAMP} ${CMAKE_STRIP} --strip-all Pendra.exe
  COMMAND ${NO_TIME_STAMP} ${CMAKE_OBJCOPY} --add-gnu-debuglink=Pendra.exe.debug Pendra.exe
  WORKING_DIRECTORY $<TARGET_FILE_DIR:Pendra>
  VERBATIM)

# Our own skins go into a Skins folder beside the exe, where a first run finds them; the
# folder is made anew whenever a skin file changes, so it always mirrors assets/skins.
file(GLOB_RECURSE SKIN_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/skins/*)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/Skins.stamp
  COMMAND ${CMAKE_COMMAND} -E remove_directory Skins
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/assets/skins Skins
  COMMAND ${CMAKE_COMMAND} -E touch Skins.stamp
  DEPENDS ${SKIN_FILES}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  VERBATIM)
add_custom_target(Skins ALL DEPENDS ${CMAKE_BINARY_DIR}/Skins.stamp)

find_package(GTest REQUIRED)
file(GLOB WIN_TESTS CONFIGURE_DEPENDS tests/win/*.cpp)
if(WIN_TESTS)
  add_executable(pendra_win_tests ${WIN_TESTS})
  target_link_libraries(pendra_win_tests PRIVATE pendra_win GTest::gtest_main)
  # The tests read the built-in pictures from their own resources.
  if(EXISTS ${RESOURCE_SCRIPT})
    target_sources(pendra_win_tests PRIVATE ${RESOURCE_SCRIPT})
  endif()
  add_test(NAME pendra_win_tests COMMAND pendra_win_tests)
endif()

file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS tests/e2e/driver/*.cpp)
if(DRIVER_SOURCES)
  add_executable(PendraDriver ${DRIVER_SOURCES})
  target_link_libraries(PendraDriver PRIVATE ${WIN_LIBS})
  target_link_options(PendraDriver PRIVATE -municode)
endif()

# bench/startup.py: a bare window with Pendra's class, caption, styles and place, to compare against.
add_executable(BareTwin WIN32 bench/BareTwin_win.cpp)
target_link_libraries(BareTwin PRIVATE user32 gdi32)
target_link_options(BareTwin PRIVATE -mwindows -municode)
