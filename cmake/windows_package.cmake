# The Windows packages, made by scripts/package-windows (target
# windows_package) into package/: the installer for one user, the same files
# in a portable zip, and winget's manifests for the installer. Included from
# the top level once both executables are defined. Needs wixl and msitools.
set(package_dir ${PROJECT_BINARY_DIR}/package)
set(package_name horavista-${PROJECT_VERSION}-x64)
set(msi ${package_dir}/${package_name}.msi)
set(zip ${package_dir}/${package_name}.zip)
set(winget_dir ${package_dir}/winget)
file(GLOB winget_templates CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/dist/windows/winget/*.yaml.in)

add_custom_command(OUTPUT ${msi}
  COMMAND ${CMAKE_COMMAND} -DVERSION=${PROJECT_VERSION} -DMSI=${msi} -DBUILD_DIR=${PROJECT_BINARY_DIR}
    -P ${PROJECT_SOURCE_DIR}/cmake/windows_msi.cmake
  DEPENDS horavista horavista-render ${PROJECT_SOURCE_DIR}/cmake/windows_msi.cmake
    ${PROJECT_SOURCE_DIR}/dist/windows/horavista.wxs ${PROJECT_SOURCE_DIR}/src/platform/win32/horavista.ico
    ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
  VERBATIM)
# The zip holds what the installer holds, in a folder of the program's name:
# taken out of the installer, the two cannot differ.
add_custom_command(OUTPUT ${zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${package_dir}/unpacked ${zip}
  COMMAND msiextract -C ${package_dir}/unpacked ${msi}
  COMMAND ${CMAKE_COMMAND} -E chdir ${package_dir}/unpacked/Programs ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip Horavista
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${package_dir}/unpacked
  DEPENDS ${msi} VERBATIM)
add_custom_command(OUTPUT ${winget_dir}/Quellmark.Horavista.installer.yaml
  COMMAND ${CMAKE_COMMAND} -DMSI=${msi} -DVERSION=${PROJECT_VERSION} -DOUTPUT_DIR=${winget_dir}
    -P ${PROJECT_SOURCE_DIR}/cmake/winget_manifests.cmake
  DEPENDS ${msi} ${winget_templates} ${PROJECT_SOURCE_DIR}/cmake/winget_manifests.cmake VERBATIM)
add_custom_target(windows_package DEPENDS ${msi} ${zip} ${winget_dir}/Quellmark.Horavista.installer.yaml)
