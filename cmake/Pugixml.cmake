# rosmossel_pugixml: the XML reader of the carrier database. Natively Debian's
# libpugixml-dev, its static library: the programs need no further shared
# library (rosmossel-cli's start-up stays short). A Windows cross build
# compiles Debian's own source package of it, which
# scripts/fetch-pugixml-source.sh keeps under ~/.cache/rosmossel/ (pugixml is
# one source file, compiled here with the rest).
if(TARGET rosmossel_pugixml)
    return()
endif()
if(CMAKE_CROSSCOMPILING)
    execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/fetch-pugixml-source.sh
                    OUTPUT_VARIABLE ROSMOSSEL_PUGIXML_SOURCE OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE _rosmossel_pugixml_failed)
    if(_rosmossel_pugixml_failed OR NOT EXISTS ${ROSMOSSEL_PUGIXML_SOURCE}/src/pugixml.cpp)
        message(FATAL_ERROR "pugixml's source for the Windows build could not be had "
                            "(scripts/fetch-pugixml-source.sh)")
    endif()
    add_library(rosmossel_pugixml STATIC ${ROSMOSSEL_PUGIXML_SOURCE}/src/pugixml.cpp)
    target_include_directories(rosmossel_pugixml SYSTEM PUBLIC ${ROSMOSSEL_PUGIXML_SOURCE}/src)
else()
    find_package(pugixml CONFIG REQUIRED)
    add_library(rosmossel_pugixml INTERFACE)
    target_link_libraries(rosmossel_pugixml INTERFACE pugixml::static)
endif()
