# The packages a Windows user downloads, made by CPack from the Windows tree:
#   cmake --build build/windows --target package
# writes Marilo-<version>-win64-setup.exe (NSIS: a per-user installer that
# needs no administrator) and Marilo-<version>-win64.zip (the portable copy)
# into the build folder. Both carry Marilo.exe, LICENSE, NOTICE and the
# Japanese user's guide; the version is the project's.

install(TARGETS Marilo RUNTIME DESTINATION . COMPONENT marilo)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/NOTICE
              ${PROJECT_SOURCE_DIR}/installer/guide-ja.html
        DESTINATION . COMPONENT marilo)

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

include(CPack)
