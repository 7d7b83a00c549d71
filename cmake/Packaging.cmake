# "make package": a Debian package of what "cmake --install" installs. The
# menu, icon and file-type caches are refreshed by the triggers of the Debian
# packages that own them, so the package needs no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rulewright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Rulewright")
set(CPACK_PACKAGE_CONTACT "Rulewright developers <rulewright@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "AI script editor for Age of Empires II: The Conquerors")
set(CPACK_PACKAGE_DESCRIPTION
    "Rulewright composes computer-player AI scripts for Age of Empires II: The Conquerors
without writing script text: rules with conditions and events chosen in panels,
sorted into groups that can be limited to civilisations, maps and difficulties.
It writes the game's .per script and .ai file, and ships starter templates.
The interface is in Japanese. rulewright-cli works on project files without a
window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://rulewright.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The interface needs a Japanese font; Qt's own dialogs read Japanese from
# the Qt translations; the game itself runs under Wine.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "wine")
include(CPack)
