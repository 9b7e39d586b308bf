# `make package`: the program as a Debian package (CPack's DEB generator), built from the same
# build tree as the tests. What the package holds is what `cmake --install` installs: the two
# executables, the report templates, the desktop entry and the icon.
#
# The package never touches a user's home folder: it has no maintainer scripts. The program
# lays out ~/Trelimor on a user's first start, and removing the package leaves that folder and
# its data as they are.
set(TRELIMOR_PACKAGE_MAINTAINER "Trelimor maintainers <maintainers@trelimor.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trelimor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TRELIMOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sample register of a district veterinary inspectorate")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # trelimor_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TRELIMOR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The long description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Trelimor registers batches of samples taken from animals for BSE/TSE tests
(cattle, sheep, goats, deer) for a district veterinary inspectorate
(powiatowy inspektorat weterynarii) and the veterinarians it appoints. It
keeps the registers it needs (veterinarians, establishments, operators),
prints the sampling protocol and the covering letter, writes the protocol
file and mails it to the laboratory, imports a veterinarian's protocol
spreadsheet and the sample files of five establishments, prints two BSE
summaries, and archives and restores its databases. Its interface and data
are in Polish.
.
On a user's first start the program lays out its folder ~/Trelimor and shows
the first login (operator admin, password admin, to be changed at once).")
# The libraries come from dpkg-shlibdeps; what the program loads or uses without linking it is
# named here: Qt's SQLite driver (a plugin), Qt's Polish translations, the window and PDF fonts
# and xdg-email.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core, xdg-utils")

include(CPack)
