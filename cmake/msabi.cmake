# Compiles sources in Microsoft's C++ ABI with clang, as the host itself is
# compiled, into objects that link into MinGW executables.
find_program(VORMELT_MSABI_CXX NAMES clang++ clang++-14 REQUIRED)

function(vormelt_msabi_objects out_var)
    set(objects)
    foreach(source IN LISTS ARGN)
        get_filename_component(name ${source} NAME_WE)
        set(object ${CMAKE_CURRENT_BINARY_DIR}/msabi/${name}.obj)
        add_custom_command(
            OUTPUT ${object}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/msabi
            COMMAND ${VORMELT_MSABI_CXX} --target=x86_64-pc-windows-msvc -std=c++17 -O1 -g0
                    -fexceptions -fcxx-exceptions -ffreestanding -nostdinc++ -fno-builtin
                    -Wall -Wno-unused-private-field
                    -I${CMAKE_SOURCE_DIR} -c ${CMAKE_CURRENT_SOURCE_DIR}/${source} -o ${object}
            DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${CMAKE_SOURCE_DIR}/sandbox/msabi/host_api.h
                    ${CMAKE_SOURCE_DIR}/sandbox/host_bridge.h ${CMAKE_SOURCE_DIR}/plugin/plugin_interface_slots.h
            COMMENT "Microsoft-ABI object ${name}"
            VERBATIM)
        list(APPEND objects ${object})
    endforeach()
    set(${out_var} ${objects} PARENT_SCOPE)
endfunction()
