# The Debian package of the install layout: `cpack -G DEB` in a release build, as
# scripts/package.sh runs it. The libraries it needs are read off the binaries by
# dpkg-shlibdeps; what they cannot show is named: the fonts that fontconfig gives for the
# game's "Arial" (Liberation Sans, else DejaVu), and Mesa's GLX and drivers, which libGL loads
# at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brawlwick)
set(CPACK_PACKAGE_VENDOR "The Brawlwick developers")
set(CPACK_PACKAGE_CONTACT "The Brawlwick developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-view shooter of stick figures against bots")
set(CPACK_PACKAGE_DESCRIPTION "One human against up to 63 bots on maps of platforms, with seven
kinds of weapon, a drop-down console, and built-in map and animation editors.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-liberation | fonts-dejavu-core, libgl1-mesa-dri, libglx-mesa0")
set(CPACK_STRIP_FILES ON)
include(CPack)
