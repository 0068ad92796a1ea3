# Win64 tree: Pendra.exe, the Win32 layer's tests and the end-to-end driver, all run under Wine.
add_link_options(-static)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)

set(WIN_LIBS user32 gdi32 shell32 kernel32 uxtheme uuid)
# The accessibility and COM libraries: Pendra loads them when first needed; the tests and the
# driver, which read Pendra through them, link them.
set(ACCESSIBILITY_LIBS oleacc ole32 oleaut32)

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
# windres does not report the files it embeds: rebuild the resources when any asset changes.
file(GLOB_RECURSE RESOURCE_FILES CONFIGURE_DEPENDS assets/*.ico assets/*.h assets/ScaledPictures.rc
     assets/pictures/*)
set_source_files_properties(${RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS "${RESOURCE_FILES};${MANIFEST}")

# The interface language of Pendra.exe, fixed when it is built.
set(PENDRA_LANGUAGE DEUTSCH CACHE STRING "Interface language of Pendra.exe: DEUTSCH or ENGLISH")
set_property(CACHE PENDRA_LANGUAGE PROPERTY STRINGS DEUTSCH ENGLISH)

# The PE header's time stamp stays 0 (the linker and binutils would write the build's time), so
# that a rebuild gives the same bytes.
set(NO_TIME_STAMP ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=0)

# Pendra.exe in one language: that language's module, which makes its table the build's texts,
# and resources made in it. The shipped
# exe is stripped; its debug information goes to Pendra.exe.debug beside it, where gdb finds it
# through the debug link.
function(add_pendra_executable target language)
  if(language STREQUAL "DEUTSCH")
    set(module src/lang/LanguageDeutsch.cpp)
  elseif(language STREQUAL "ENGLISH")
    set(module src/lang/LanguageEnglish.cpp)
    set(definitions PENDRA_LANGUAGE_ENGLISH)
  else()
    message(FATAL_ERROR "PENDRA_LANGUAGE must be DEUTSCH or ENGLISH, not ${language}")
  endif()
  add_executable(${target} WIN32 ${ARGN} src/app/WinMain_win.cpp ${module} ${RESOURCE_SCRIPT})
  target_compile_definitions(${target} PRIVATE ${definitions})
  target_link_libraries(${target} PRIVATE pendra_win)
  target_link_options(${target} PRIVATE -mwindows -municode -Wl,--no-insert-timestamp)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME Pendra)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${NO_TIME_STAMP} ${CMAKE_OBJCOPY} --only-keep-debug Pendra.exe Pendra.exe.debug
    COMMAND ${NO_TIME_STAMP} ${CMAKE_STRIP} --strip-all Pendra.exe
    COMMAND ${NO_TIME_STAMP} ${CMAKE_OBJCOPY} --add-gnu-debuglink=Pendra.exe.debug Pendra.exe
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()

add_pendra_executable(Pendra ${PENDRA_LANGUAGE})
# For the end-to-end tests, built only on request: the English build in english/, and in
# mismatch/ a German build whose resources are English, which must report the disagreement.
add_pendra_executable(PendraEnglish ENGLISH EXCLUDE_FROM_ALL)
set_target_properties(PendraEnglish PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/english)
add_pendra_executable(PendraMismatch DEUTSCH EXCLUDE_FROM_ALL)
target_compile_definitions(PendraMismatch PRIVATE PENDRA_LANGUAGE_ENGLISH)
set_target_properties(PendraMismatch PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/mismatch)

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
  # The tests read the built-in pictures from their own resources.
  add_executable(pendra_win_tests ${WIN_TESTS} src/lang/LanguageDeutsch.cpp ${RESOURCE_SCRIPT})
  target_link_libraries(pendra_win_tests PRIVATE pendra_win GTest::gtest_main version ${ACCESSIBILITY_LIBS})
  add_test(NAME pendra_win_tests COMMAND pendra_win_tests)
endif()

file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS tests/e2e/driver/*.cpp)
if(DRIVER_SOURCES)
  add_executable(PendraDriver ${DRIVER_SOURCES})
  target_link_libraries(PendraDriver PRIVATE ${WIN_LIBS} ${ACCESSIBILITY_LIBS})
  target_link_options(PendraDriver PRIVATE -municode)
  # The driver's hook inside Pendra's process, for reading its popup menu.
  add_library(MenuProbe SHARED tests/e2e/probe/MenuProbe.cpp)
  set_target_properties(MenuProbe PROPERTIES PREFIX "")
  target_link_libraries(MenuProbe PRIVATE user32)
endif()

# bench/startup.py: a bare window with Pendra's class, caption, styles and place, to compare against.
add_executable(BareTwin WIN32 bench/BareTwin_win.cpp)
target_link_libraries(BareTwin PRIVATE user32 gdi32)
target_link_options(BareTwin PRIVATE -mwindows -municode)
