# Installation in the usual Linux layout, and the Debian package made from it:
#   bin/mirel36, share/pelcor/ (everything in resources/), the desktop entry,
#   the AppStream metadata and the icon in the hicolor theme.
# The program finds share/pelcor/ from bin/ at run time (platform/AppPaths).

set(PELCOR_APP_ID jp.pelcor.Pelcor)

install(TARGETS mirel36 RUNTIME DESTINATION bin)
install(DIRECTORY resources/ DESTINATION share/pelcor)
install(FILES dist/${PELCOR_APP_ID}.desktop DESTINATION share/applications)
install(FILES dist/${PELCOR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES dist/icons/${PELCOR_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 32 48 256)
  install(FILES dist/icons/${PELCOR_APP_ID}-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${PELCOR_APP_ID}.png)
endforeach()
install(FILES LICENSE DESTINATION share/doc/pelcor)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelcor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pelcor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "address book and vertical address printing for Japanese postcards")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pelcor keeps a household address book (住所録) and prints the addresses in
vertical Japanese writing on New Year cards, postcards and envelopes, with
the message side of a postcard, address and phone lists and a small picture
editor.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Pelcor developers")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The shared libraries (Qt 6, HarfBuzz, libjpeg, the C++ runtime) are found by
# dpkg-shlibdeps; what is loaded without being linked is named here: Qt's
# platform plugins, its Japanese translation and the four faces the cards use.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-mincho, fonts-ipafont-gothic, fonts-klee, fonts-kouzan-mouhitsu")
# Qt 6 has no XIM: Japanese typed through fcitx5 reaches the fields only with
# its Qt 6 frontend (ibus needs nothing, Qt carries its plugin).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-frontend-qt6")
include(CPack)
