# The zip a user downloads, made by `cpack` in the build folder
# (tools/package.sh): Z_Vormelt10-<version>-win64.zip holding the DLL, the
# Japanese read-me and README.md, with its SHA-256 checksum and the DLL's debug
# information beside it in build/package/.

set(VORMELT_PACKAGE_NAME Z_Vormelt10-${PROJECT_VERSION}-win64)

# The read-me is kept in UTF-8; users' editors on Japanese Windows expect code
# page 932 with CRLF line ends.
find_program(VORMELT_ICONV iconv)
if(NOT VORMELT_ICONV)
    message(WARNING "iconv was not found: no package can be made")
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

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Z_Vormelt10)
set(CPACK_PACKAGE_VENDOR KELDARN)
set(CPACK_PACKAGE_FILE_NAME ${VORMELT_PACKAGE_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_CHECKSUM SHA256)
# The debug information stays beside the package, named after it, for reading
# crash reports of that release.
set(CPACK_VORMELT_DEBUG_FILE ${CMAKE_BINARY_DIR}/bin/Z_Vormelt10.dll.debug)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/package_debug_info.cmake)
include(CPack)
