# Makes the package as a user's download is made and unpacks it for the test
# that opens it: cmake -DBUILD_DIR=... -DPACKAGE_NAME=... -P unpack_package.cmake
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config CPackConfig.cmake
                WORKING_DIRECTORY ${BUILD_DIR} COMMAND_ERROR_IS_FATAL ANY)
set(contents ${BUILD_DIR}/package/contents)
file(REMOVE_RECURSE ${contents})
file(ARCHIVE_EXTRACT INPUT ${BUILD_DIR}/package/${PACKAGE_NAME}.zip DESTINATION ${contents})
