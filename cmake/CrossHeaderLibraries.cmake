# CLI11 and nlohmann/json are header-only host packages. A cross build must not
# see the host's /usr/include (its C library headers would shadow the mingw
# sysroot's), so it gets a folder that holds links to these two header trees
# alone, under the targets their own CMake packages define.
set(_rosmossel_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${_rosmossel_host_headers})
foreach(_tree CLI nlohmann)
    if(NOT EXISTS /usr/include/${_tree})
        message(FATAL_ERROR "/usr/include/${_tree} is missing: install libcli11-dev and "
                            "nlohmann-json3-dev")
    endif()
    file(CREATE_LINK /usr/include/${_tree} ${_rosmossel_host_headers}/${_tree} SYMBOLIC)
endforeach()

add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${_rosmossel_host_headers})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
target_include_directories(nlohmann_json::nlohmann_json SYSTEM INTERFACE
                           ${_rosmossel_host_headers})
