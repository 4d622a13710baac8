# The packages a Windows user downloads, made by CPack from the Windows tree:
#   cmake --build build/windows --target package
# (or, for a release, tools/release.sh) writes Marilo-<version>-win64-setup.exe (NSIS: a per-user installer that
# needs no administrator) and Marilo-<version>-win64.zip (the portable copy)
# into the build folder. Both carry Marilo.exe, LICENSE, NOTICE and the
# Japanese user's guide; the version is the project's.

set(marilo_package_files LICENSE NOTICE installer/guide-ja.html)
install(TARGETS Marilo RUNTIME DESTINATION . COMPONENT marilo)
list(TRANSFORM marilo_package_files PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE marilo_package_paths)
install(FILES ${marilo_package_paths} DESTINATION . COMPONENT marilo)
# What the uninstaller deletes, in a fixed order (CPack's own list,
# CPACK_NSIS_DELETE_FILES, follows the staging folder's order on disk, which
# differs from one file system to the next). The template includes it.
set(marilo_installed_names Marilo.exe)
foreach(f IN LISTS marilo_package_files)
  get_filename_component(n ${f} NAME)
  list(APPEND marilo_installed_names ${n})
endforeach()
list(SORT marilo_installed_names)
set(deletes "; The files the setup installs (cmake/Packaging.cmake).\n")
foreach(n IN LISTS marilo_installed_names)
  string(APPEND deletes "Delete \"$INSTDIR\\${n}\"\n")
endforeach()
set(CPACK_MARILO_UNINSTALL_FILES ${CMAKE_BINARY_DIR}/installer/delete-files.nsh)
file(CONFIGURE OUTPUT ${CPACK_MARILO_UNINSTALL_FILES} CONTENT "${deletes}")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Marilo)
set(CPACK_PACKAGE_VENDOR "Harbrook Works")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_FILE_NAME Marilo-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Marilo: the tide of a Japanese port in the notification area")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# Only the program's own files, not those of the libraries built beside it.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Marilo;marilo;/")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Marilo)
# The installer's script is our own (installer/NSIS.template.in); CPack fills
# in the files and names.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/installer)
set(CPACK_NSIS_PACKAGE_NAME Marilo)
set(CPACK_NSIS_DISPLAY_NAME Marilo)
set(CPACK_NSIS_INSTALLED_ICON_NAME Marilo.exe)
# The program's own icon, drawn at build time, for the setup program too.
set(CPACK_MARILO_ICON ${CMAKE_BINARY_DIR}/res/art/app.ico)
# The setup program's name differs from the zip's (see PackageNames.cmake).
configure_file(${PROJECT_SOURCE_DIR}/installer/PackageNames.cmake.in
               ${CMAKE_BINARY_DIR}/CPackPackageNames.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackPackageNames.cmake)
# The same sources give the same packages: the staged files' times come from
# the last commit and the zip's entries are put in order (PackageStaging.cmake,
# PackageFinish.cmake; tools/check-reproducible.sh builds twice and compares).
set(CPACK_MARILO_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageStaging.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageFinish.cmake)
set(CPACK_MARILO_NODE ${MARILO_NODE})
# Set by tools/release.sh --sign (cpack -D): the command that signs a file in
# place, run by makensis on the uninstaller before it is packed.
set(CPACK_MARILO_SIGN_COMMAND "")

include(CPack)
