# `cmake --build build --target package` makes a Debian package of what `cmake --install` puts in place.
# It needs no maintainer scripts: the icon cache, the desktop database and the MIME database are
# renewed by the file triggers that hicolor-icon-theme, desktop-file-utils and shared-mime-info hold
# on the folders the package installs into.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marquetto)
set(CPACK_PACKAGE_VENDOR "The Marquetto developers")
set(CPACK_PACKAGE_CONTACT "The Marquetto developers <developers@marquetto.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wizard that designs scrolling news boxes for web pages")
# CPack puts the summary in front of this and indents it as a control file wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Marquetto leads a web author through five steps to design a news box: a
small panel of messages that scroll through the box, or fade page by page.
It generates the web files that run the box and a one-line snippet to paste
into a page. Designs are kept as .tkp project files; marquetto-cli generates
and checks them in scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues translate the standard buttons and the file and colour dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.marquetto.example/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
