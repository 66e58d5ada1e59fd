# Run by CPack on the staged installation before it is packed: adds the
# files Debian's policy asks for and compresses the manual pages.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
file(GLOB_RECURSE staged_programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/kelmar")
list(GET staged_programs 0 program)
get_filename_component(usr "${program}/../.." ABSOLUTE)
set(doc "${usr}/share/doc/${CPACK_PACKAGE_NAME}")

# configure_file, not file(INSTALL): that would put the files under DESTDIR.
configure_file("${CPACK_KELMAR_DEBIAN_DIR}/copyright" "${doc}/copyright" COPYONLY)
configure_file("${CPACK_KELMAR_DEBIAN_DIR}/changelog" "${doc}/changelog.Debian" COPYONLY)
file(GLOB manual_pages "${usr}/share/man/man*/*.[1-9]")
foreach(file "${doc}/changelog.Debian" ${manual_pages})
  # -n: no name or time stamp in the header, so the package is reproducible.
  execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
