# The install layout, freedesktop's: the game in bin/ and what it reads in share/brawlwick/Base,
# where the game looks from its own folder when no Base/ sits beside it. The tools that print
# and draw maps and animations go beside the game under names of its own; the build's other
# programs, the tests and the benchmarks are not installed. The desktop entry, metainfo and
# icons are installed from assets/desktop/.
install(TARGETS brawlwick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS $<TARGET_FILE:maptool> DESTINATION ${CMAKE_INSTALL_BINDIR}
  RENAME brawlwick-maptool)
install(PROGRAMS $<TARGET_FILE:animtool> DESTINATION ${CMAKE_INSTALL_BINDIR}
  RENAME brawlwick-animtool)
install(DIRECTORY ${BRAWLWICK_BASE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/brawlwick/Base)
