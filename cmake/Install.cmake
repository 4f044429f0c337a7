# Where `cmake --install` and the .deb put the bundle, laid out as Debian keeps games:
# the games in games/, the tools and the score server in bin/, read-only data in
# share/games/<game>, the setup library in share/kirno32, and the menu entries, icons,
# software-centre metadata, manual pages and examples where desktops and man look for them.
include(GNUInstallDirs)

set(BUNDLE_PACKAGE_NAME joulupaketti)
set(BUNDLE_GAMES_DIR games)
set(BUNDLE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${BUNDLE_PACKAGE_NAME})

# The games' own rules (in their folders) put the programs in games/ and their data in
# share/games/<game>; the rest of the bundle is installed from here.
foreach(tool wtrq-scores pjw)
  if(TARGET ${tool})
    install(TARGETS ${tool} DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# A setup program copies the DLL from here; it is a Windows file, not one this system runs.
if(TARGET kirno32_dll)
  install(FILES ${PROJECT_BINARY_DIR}/kirno32/kirno32.dll DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/kirno32)
endif()

add_subdirectory(${PROJECT_SOURCE_DIR}/packaging ${PROJECT_BINARY_DIR}/packaging)

# Installing and packaging take what the build made: they build nothing themselves, so a
# package never starts a build of the whole tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The .deb: `cpack --config <build>/CPackConfig.cmake`.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${BUNDLE_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_CONTACT "Joulupaketti developers <joulupaketti@joulupaketti.fi>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two Christmas games, their score server and a setup library")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/debian/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
