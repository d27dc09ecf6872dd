# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on its staging folder before the .deb is packed: what
# Debian's policy asks of a package's files that an ordinary `cmake --install` need not do.
set(_root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${_root}")
  message(FATAL_ERROR "no staged tree at ${_root}")
endif()

# Manual pages are stored compressed, without a time stamp in the gzip header.
file(GLOB_RECURSE _pages LIST_DIRECTORIES false "${_root}/share/man/*")
foreach(_page IN LISTS _pages)
  if(NOT _page MATCHES "\\.gz$")
    execute_process(COMMAND gzip -9nf "${_page}" RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
      message(FATAL_ERROR "gzip failed on ${_page}")
    endif()
  endif()
endforeach()

# The copyright file and a changelog, where every Debian package keeps them; the changelog's
# date is SOURCE_DATE_EPOCH's when it is set, so the package can be built again byte for byte.
string(TIMESTAMP _date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${_root}/share/doc/pressmark/changelog"
     "pressmark (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium\n\n"
     "  * Pressmark ${CPACK_PACKAGE_VERSION}; its changes are in the project's history.\n\n"
     " -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${_date}\n")
execute_process(COMMAND gzip -9nf "${_root}/share/doc/pressmark/changelog" RESULT_VARIABLE _rc)
if(NOT _rc EQUAL 0)
  message(FATAL_ERROR "gzip failed on the changelog")
endif()
file(COPY "${CPACK_PRESSMARK_SOURCE_DIR}/packaging/copyright" DESTINATION "${_root}/share/doc/pressmark"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The D-Bus service file names the program by the absolute path it was configured for
# (CMAKE_INSTALL_PREFIX, /usr/local by default); the package puts it under its own prefix.
file(GLOB _services "${_root}/share/dbus-1/services/*.service")
foreach(_service IN LISTS _services)
  file(READ "${_service}" _text)
  string(REPLACE "Exec=${CPACK_PRESSMARK_CONFIGURED_BINDIR}/" "Exec=${CPACK_PACKAGING_INSTALL_PREFIX}/bin/" _text "${_text}")
  file(WRITE "${_service}" "${_text}")
endforeach()
