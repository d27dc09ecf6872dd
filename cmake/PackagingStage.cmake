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

# The copyright file, where every Debian package keeps it.
file(INSTALL "${CPACK_PRESSMARK_SOURCE_DIR}/packaging/copyright" DESTINATION "${_root}/share/doc/pressmark"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The D-Bus service file names the program by the absolute path it was configured for
# (CMAKE_INSTALL_PREFIX, /usr/local by default); the package puts it under its own prefix.
file(GLOB _services "${_root}/share/dbus-1/services/*.service")
foreach(_service IN LISTS _services)
  file(READ "${_service}" _text)
  string(REPLACE "Exec=${CPACK_PRESSMARK_CONFIGURED_BINDIR}/" "Exec=${CPACK_PACKAGING_INSTALL_PREFIX}/bin/" _text "${_text}")
  file(WRITE "${_service}" "${_text}")
endforeach()
