# Run by CPack after the zip is made: puts the DLL's debug information beside
# it, when the build split it off.
if(EXISTS "${CPACK_VORMELT_DEBUG_FILE}")
    file(COPY_FILE "${CPACK_VORMELT_DEBUG_FILE}"
         "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.dll.debug")
endif()
