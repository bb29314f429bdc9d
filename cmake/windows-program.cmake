# The window program tuv.exe and our small window framework, in the Windows build only.
enable_language(RC)

set(windows_defines WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX)

file(GLOB framework_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/framework/*.cpp)
# WinMain goes into the program itself: from a library the linker would not pick it up.
set(framework_entry ${CMAKE_SOURCE_DIR}/framework/win_main.cpp)
list(REMOVE_ITEM framework_sources ${framework_entry})
add_library(framework STATIC ${framework_sources})
target_include_directories(framework PUBLIC ${CMAKE_SOURCE_DIR}/framework)
target_compile_definitions(framework PUBLIC ${windows_defines})
target_link_libraries(framework PUBLIC comctl32 shell32 gdi32 comdlg32 ole32 oleaut32 uuid advapi32)

# Everything of the program but its resources, so that tests can link the real classes.
file(GLOB tuv_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/*.cpp ${CMAKE_SOURCE_DIR}/controls/*.cpp ${CMAKE_SOURCE_DIR}/tray/*.cpp)
add_executable(tuv WIN32 ${tuv_sources} ${framework_entry} ${CMAKE_SOURCE_DIR}/resources/tuv.rc)
target_include_directories(tuv PRIVATE
  ${CMAKE_SOURCE_DIR}/app ${CMAKE_SOURCE_DIR}/controls ${CMAKE_SOURCE_DIR}/tray ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(tuv PRIVATE framework engine)
calvo_manifest(tuv "Calvo expression calculator" COMMON_CONTROLS)
# windres reads the icon and the help text beside tuv.rc; rebuild when they change.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/tuv.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/resources/resource.h ${CMAKE_SOURCE_DIR}/resources/version.h
  ${CMAKE_SOURCE_DIR}/resources/version.rc ${CMAKE_SOURCE_DIR}/resources/tuv.ico ${CMAKE_SOURCE_DIR}/resources/tuv.txt)
