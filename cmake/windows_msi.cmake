# usage: cmake -DVERSION=V -DMSI=FILE -DBUILD_DIR=DIR -P cmake/windows_msi.cmake
# Compiles dist/windows/horavista.wxs with wixl into FILE: the executables of
# the Windows build in DIR, labelled version V (the packaging takes the
# project's; a test may make an older or a newer one).

# The same in every version, forever: it is how a newer version finds the
# one installed to replace it.
set(upgrade_code "{0F5BA5E4-2117-4F23-B4AA-877CD10752A1}")

get_filename_component(source_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
get_filename_component(BUILD_DIR ${BUILD_DIR} ABSOLUTE)
get_filename_component(MSI ${MSI} ABSOLUTE)
# wixl finds the files to pack only by paths relative to where it runs.
file(RELATIVE_PATH source_from_build ${BUILD_DIR} ${source_dir})
execute_process(
  COMMAND wixl -a x64 -D Version=${VERSION} -D UpgradeCode=${upgrade_code} -D BuildDir=. -D SourceDir=${source_from_build}
    -o ${MSI} ${source_dir}/dist/windows/horavista.wxs
  WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wixl could not make ${MSI}")
endif()

# wixl leaves out IncludeMaximum: without it the installed version is not
# found by a rebuild of the same version, which would then sit beside it in
# Apps & features. The row is written again with the bit for it (512;
# 256 includes the minimum). Its attributes are part of its key, so it is
# replaced rather than updated.
execute_process(
  COMMAND msibuild ${MSI}
    -q "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'OLDER_INSTALLED'"
    -q "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMin`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('${upgrade_code}', '0.0.0', '${VERSION}', 768, 'OLDER_INSTALLED')"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${MSI})
  message(FATAL_ERROR "msibuild could not mend the Upgrade table of ${MSI}")
endif()
