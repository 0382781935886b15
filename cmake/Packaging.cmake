# The Debian package (scripts/package): what `cmake --install` puts under
# /usr, with the library dependencies found by dpkg-shlibdeps.
set(REALMDESK_MAINTAINER "realmdesk maintainers <maintainers@realmdesk.example>" CACHE STRING
    "Maintainer field of the package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME realmdesk)
set(CPACK_PACKAGE_CONTACT "${REALMDESK_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION database)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The keychain library (libqt6keychain1, found by dpkg-shlibdeps) loads
# libsecret only when asked, to reach GNOME Keyring and other secret services;
# KWallet it reaches over D-Bus.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsecret-1-0, gnome-keyring | kwalletmanager")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${REALMDESK_HOMEPAGE}")
# The first line is the synopsis; a lone "." keeps an empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"administration tool for the databases of a game server
Realmdesk looks after the MySQL or MariaDB databases of an online
role-playing game server: accounts and passwords, bans, characters with
their quests, spells and items, the realm list and the automatic broadcast
messages, without writing SQL. It talks to the server through its own
client library. Its window is in Russian.
.
Realmdesk ведет базы данных MySQL или MariaDB сервера онлайн-игры:
учетные записи и пароли, баны, персонажей с их заданиями, заклинаниями и
предметами, список реалмов и автооповещения, без ручного написания SQL.
Программа работает с сервером через собственную клиентскую библиотеку.")

include(CPack)
