# The Debian package a classroom PC installs (tools/package.sh makes it).
set(PERNAM_MAINTAINER "Seed 7bc31b1b maintainers <maintainers@users.noreply.c-seed-7bc31b1b.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pernam3)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "classroom experiment: how many 500-yen coins to hold for change")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Each guest pays a 3500-yen fee, half with exact money and a 500-yen coin, half\n"
    "needing a 500-yen coin back. The program runs trials of coin tosses and shows\n"
    "the mean lowest stock of coins and a histogram of the lowest stocks.\n"
    "ペルナムの実験３：お釣りの５００円玉は何枚用意すればよいかを実験で確かめます。")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PERNAM_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders as Debian wants them whatever the umask of whoever makes the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The linked libraries come from dpkg-shlibdeps. Loaded at run time and not
# linked: the Japanese face the windows fall back to, and a PulseAudio protocol
# server, which Qt Multimedia plays the chimes through (libpulse, pulled in by
# libqt6multimedia6). The X11 platform plugin ships in libqt6gui6 itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, pulseaudio | pipewire-pulse")

include(CPack)
