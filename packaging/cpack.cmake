# The Debian package: `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "veltrano-test")
# Given outright: CPack would otherwise take the version of the top project.
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Veltrano Test developers")
set(CPACK_PACKAGE_CONTACT "The Veltrano Test developers <maintainers@veltrano.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://veltrano.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practice tests for the Canadian citizenship knowledge test")
set(CPACK_PACKAGE_DESCRIPTION
    "Veltrano Test builds random practice tests from 165 built-in multiple-choice
questions on Canada's civics, marks them, reviews every answer and drills the
questions answered wrongly until they are right. It keeps every finished
test, shows statistics and readiness, drills the weakest questions and prints
a report of a test. The package also holds
veltrano-questions, a command that converts question files.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# Stripped as dh_strip strips (strip-binaries.cmake), not by CPack's plain strip.
set(CPACK_STRIP_FILES OFF)
set(CPACK_VELTRANO_STRIP "${CMAKE_STRIP}")
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/strip-binaries.cmake")

set(CPACK_DEBIAN_PACKAGE_NAME "veltrano-test")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# dpkg-shlibdeps works out the Qt 6 and C++ libraries the programs and the
# modules link; the SQLite driver is a Qt plug-in loaded at run time, which
# it cannot see.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# Read aloud needs a speech engine: the desktop's, or the offline one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin | qt6-speech-flite-plugin")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

include(CPack)
