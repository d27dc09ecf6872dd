# `cpack -G DEB` in the build folder packs everything `cmake --install` installs into one .deb,
# pressmark, for Debian 12 and its derivatives. The settings of the package live here only.
set(CPACK_PACKAGE_NAME pressmark)
set(CPACK_PACKAGE_VENDOR "Pressmark developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch photo converter with logo, watermark and copyright lines")
# Debian shows the description as written: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Pressmark converts a batch of photographs in one run: every image is decoded,
turned upright, resized, stamped with an optional logo, text watermark and
copyright lines, encoded as JPEG, PNG, GIF, TIFF, WebP, AVIF or JPEG XL and
written into a folder with its metadata, never replacing an existing file.

This package holds the desktop application pressmark and the command-line
front end pressmark-cli, which share one conversion core.")
set(PRESSMARK_PACKAGE_MAINTAINER "Pressmark developers <pressmark@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the .deb")
set(CPACK_PACKAGE_CONTACT "${PRESSMARK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PRESSMARK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/pressmark/pressmark")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The shared libraries both programs link come from dpkg-shlibdeps (package dpkg-dev); these are
# what it cannot see. Qt loads SVG (the shipped logo, the window's skin), TGA, ICNS, WebP and the
# other classic formats through its image plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-image-formats-plugins")
# EPS is rendered by Ghostscript's gs, looked up on PATH at run time; without it an EPS fails
# with a reason that names the package. Under Wayland the window needs Qt's Wayland plugin,
# else it falls back to XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "ghostscript, qt6-wayland")

# After CPack has installed into its staging folder: manual pages compressed, the copyright file
# where Debian looks for it, the D-Bus service pointed at the packaged program.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/PackagingStage.cmake")
set(CPACK_PRESSMARK_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
include(GNUInstallDirs)
set(CPACK_PRESSMARK_CONFIGURED_BINDIR "${CMAKE_INSTALL_FULL_BINDIR}")
include(CPack)
