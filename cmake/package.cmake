# The zip a user downloads, made by `cpack` in the build folder
# (tools/package.sh): Z_Vormelt10-<version>-win64.zip holding the DLL with its
# debug information, the Japanese read-me and README.md with its pictures, and
# its SHA-256 checksum beside it in build/package/.

set(VORMELT_PACKAGE_NAME Z_Vormelt10-${PROJECT_VERSION}-win64)

# The read-me is kept in UTF-8; users' editors on Japanese Windows expect code
# page 932 with CRLF line ends.
find_program(VORMELT_ICONV iconv)
if(NOT VORMELT_ICONV)
    message(WARNING "iconv was not found (Debian's libc-bin has it): no package can be made, "
                    "and the package is not tested")
    return()
endif()
configure_file(docs/readme.txt.in ${CMAKE_BINARY_DIR}/generated/readme.utf8.txt @ONLY NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/generated/readme.txt
    COMMAND ${VORMELT_ICONV} -f UTF-8 -t CP932 -o ${CMAKE_BINARY_DIR}/generated/readme.txt
            ${CMAKE_BINARY_DIR}/generated/readme.utf8.txt
    DEPENDS ${CMAKE_BINARY_DIR}/generated/readme.utf8.txt
    VERBATIM)
add_custom_target(readme_txt ALL DEPENDS ${CMAKE_BINARY_DIR}/generated/readme.txt)

install(FILES $<TARGET_FILE:Z_Vormelt10> ${CMAKE_BINARY_DIR}/generated/readme.txt ${CMAKE_SOURCE_DIR}/README.md
        DESTINATION .)
# The README's pictures, where its links look for them.
file(GLOB VORMELT_README_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.png)
install(FILES ${VORMELT_README_PICTURES} DESTINATION docs)
if(MINGW)
    # The debug information, for reading crash reports of this release, under
    # the name that the DLL's debug link asks for: beside the DLL, a debugger
    # finds it.
    install(FILES $<TARGET_FILE:Z_Vormelt10>.debug DESTINATION .)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Z_Vormelt10)
set(CPACK_PACKAGE_VENDOR KELDARN)
set(CPACK_PACKAGE_FILE_NAME ${VORMELT_PACKAGE_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
