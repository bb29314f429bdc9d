# calvo_manifest(TARGET DESCRIPTION [COMMON_CONTROLS]): embeds an application manifest made from
# resources/app.manifest.in in TARGET: run as invoker, Windows 7 to 11, 8-bit texts in UTF-8,
# aware of the system DPI; COMMON_CONTROLS adds the common controls 6 (the current look).
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/version.h calvo_version_lines REGEX "#define CALVO_VERSION_(MAJOR|MINOR) ")
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/version.h)
string(REGEX REPLACE ".*MAJOR ([0-9]+).*MINOR ([0-9]+).*" "\\1.\\2.0.0" calvo_manifest_version "${calvo_version_lines}")

function(calvo_manifest target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "COMMON_CONTROLS" "" "")
  set(NAME ${target})
  set(DESCRIPTION ${description})
  set(VERSION ${calvo_manifest_version})
  set(DEPENDENCIES "")
  if(arg_COMMON_CONTROLS)
    string(CONCAT DEPENDENCIES
      "  <dependency>\n    <dependentAssembly>\n"
      "      <assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"\n"
      "                        processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>\n"
      "    </dependentAssembly>\n  </dependency>\n")
  endif()
  set(manifest ${CMAKE_BINARY_DIR}/manifests/${target}.manifest)
  configure_file(${CMAKE_SOURCE_DIR}/resources/app.manifest.in ${manifest} @ONLY)
  # Resource type 24 (RT_MANIFEST), id 1: the manifest the loader reads when the program starts.
  set(rc ${CMAKE_BINARY_DIR}/manifests/${target}-manifest.rc)
  file(WRITE ${rc} "1 24 \"${manifest}\"\n")
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${manifest})
  target_sources(${target} PRIVATE ${rc})
endfunction()
