# Installing: the programs, their manual pages, the window's desktop entry, icon and AppStream entry,
# and the documents a Debian package carries; then the package itself.
#   cmake --install build/release --prefix /usr/local      or      cpack -G DEB (in the build directory)
include(GNUInstallDirs)
install(TARGETS eitool-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET eitool)
  install(TARGETS eitool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES window/eitool.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES window/eitool.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES packaging/io.github.eitool.eitool.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
install(FILES README.md packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(NOT WIN32)
  install(FILES packaging/eitool-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME eitool-cli)
endif()

# Manual pages and the changelog, compressed as Debian wants them (gzip -9, no name or time inside).
if(NOT WIN32)
  find_program(EIT_GZIP gzip REQUIRED)
  set(pages eitool-cli.1)
  if(TARGET eitool)
    list(APPEND pages eitool.1)
  endif()
  set(compressed)
  foreach(file IN LISTS pages ITEMS changelog)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/${file}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
                       COMMAND ${EIT_GZIP} -9nc ${PROJECT_SOURCE_DIR}/packaging/${file} > ${CMAKE_CURRENT_BINARY_DIR}/packaging/${file}.gz
                       DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file} VERBATIM)
    list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/packaging/${file}.gz)
  endforeach()
  add_custom_target(eit_package_docs ALL DEPENDS ${compressed})
  foreach(page IN LISTS pages)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# No backslash in what CPack writes into its configuration or the control file.
set(CPACK_PACKAGE_NAME eitool)
set(CPACK_PACKAGE_VENDOR "Extract-Insert Tool developers")
set(CPACK_PACKAGE_CONTACT "Extract-Insert Tool developers <eitool@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "game texture and bitmap font extractor and inserter")
# The extended description: lines of at most 80 columns, no double quotes (CPack mangles them).
set(CPACK_PACKAGE_DESCRIPTION "Takes a game's textures (.dds files, packed ELTE or raw DDS!) and bitmap
fonts (.tdt glyph tables with their texture) out as ordinary .bmp and .tga
images and glyph sheets, and puts edited images back, rebuilding the texture
and font files without ever writing the sources. Translators draw new glyphs
for a font's upper codes from a TrueType or OpenType font and preview text
set with it. The package holds the Qt window (eitool) and the command line
(eitool-cli).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# Stripped programs: the package is what users run, not what developers debug.
set(CPACK_STRIP_FILES ON)
# The libraries the programs link come from dpkg-shlibdeps; zlib is loaded at run time, Qt's platform
# plugins are loaded by Qt, libdeflate only makes packing faster, and xdg-utils opens files from the
# results pane.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "zlib1g, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libdeflate0, xdg-utils, qt6-translations-l10n")
include(CPack)
