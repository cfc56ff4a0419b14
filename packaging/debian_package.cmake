# The Debian package: `cmake --build <dir> --target package` (or `make package` at the
# top) writes quillmar_<version>-<release>_<arch>.deb into the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillmar developers")
set(CPACK_PACKAGE_CONTACT "Quillmar developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lathe threading programs for any groove form")
# dpkg shows the long description line by line as written: keep the lines under 80
# columns. An empty line becomes Debian's paragraph break.
set(CPACK_PACKAGE_DESCRIPTION [[
Quillmar writes NC threading programs for threads of any groove form made
of two flanks, four corner radii and a flat floor, cut with a plain
single-point threading cycle and a round-nosed tool. From one groove
described in its data input dialog it walks the tool's nose centre along
the outline and writes every point as one threading pass: as point data
for an OSP macro program (G34) and as a standard OSP (G34) or FANUC (G32)
program, drawn back at once as graphics, ready to copy or save for the
machine.

The package holds the desktop program quillmar, with its Japanese user
interface, and the headless generator quillmar-gen, which writes the same
programs from job files.]])

# The man pages name the installed paths, so the staging install must see the final
# prefix: install below DESTDIR with CMAKE_INSTALL_PREFIX=/usr rather than into a
# prefix inside the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binaries themselves (dpkg-shlibdeps). What they cannot
# show: the captions are Japanese and need a font that has their glyphs, Qt picks its
# window-system plugin at run time, and Qt's own buttons and file dialog read their
# Japanese texts from qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(quillmar_depends fonts-ipafont-gothic)
if(QUILLMAR_BUILD_UI)
  list(APPEND quillmar_depends qt6-qpa-plugins qt6-translations-l10n)
endif()
list(JOIN quillmar_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS hicolor-icon-theme)

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/")

include(CPack)
