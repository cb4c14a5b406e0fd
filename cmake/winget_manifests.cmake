# usage: cmake -DMSI=FILE -DVERSION=V -DOUTPUT_DIR=DIR -P cmake/winget_manifests.cmake
# Fills in winget's manifests (dist/windows/winget/) for the installer FILE
# into DIR: its version, its SHA-256, and the product and upgrade codes it
# carries, read from the installer itself.
get_filename_component(templates ${CMAKE_CURRENT_LIST_DIR}/../dist/windows/winget ABSOLUTE)

file(SHA256 ${MSI} SHA256)
string(TOUPPER ${SHA256} SHA256)
execute_process(COMMAND msiinfo export ${MSI} Property OUTPUT_VARIABLE properties RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "msiinfo could not read the properties of ${MSI}")
endif()
foreach(code ProductCode UpgradeCode)
  if(NOT properties MATCHES "\n${code}\t(\\{[0-9A-Fa-f-]+\\})")
    message(FATAL_ERROR "${MSI} names no ${code}")
  endif()
  set(${code} ${CMAKE_MATCH_1})
endforeach()

file(GLOB manifests RELATIVE ${templates} ${templates}/*.yaml.in)
foreach(manifest ${manifests})
  string(REGEX REPLACE "\\.in$" "" name ${manifest})
  configure_file(${templates}/${manifest} ${OUTPUT_DIR}/${name} @ONLY)
endforeach()
