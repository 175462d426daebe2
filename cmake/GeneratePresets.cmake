# Turns the operator preset TSV files into C++ tables. The TSV files stay the
# only source of the preset strings; the build regenerates the tables whenever
# one of them changes.

function(_rm_cxx_string out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    set(${out} "\"${value}\"" PARENT_SCOPE)
endfunction()

# rosmossel_generate_presets(TSV file OUTPUT file TABLE name COLUMNS n0 n1 ...)
# Every row becomes one initializer {country, operator, "col", ...} of the
# columns after the fourth, in file order; the last (source) column is dropped.
function(rosmossel_generate_presets)
    cmake_parse_arguments(ARG "" "TSV;OUTPUT;TABLE;TYPE;HEADER" "" ${ARGN})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${ARG_TSV}")
    file(STRINGS "${ARG_TSV}" lines ENCODING UTF-8)
    list(POP_FRONT lines)
    set(body "")
    set(count 0)
    foreach(line IN LISTS lines)
        if(line STREQUAL "")
            continue()
        endif()
        # Keep empty fields: a CMake list drops nothing, but ";" inside a
        # field would split it, so refuse such data outright.
        if(line MATCHES ";")
            message(FATAL_ERROR "${ARG_TSV}: a field holds a semicolon")
        endif()
        string(REPLACE "\t" ";" fields "${line}")
        list(LENGTH fields n)
        math(EXPR last "${n} - 2")
        list(GET fields 0 country)
        list(GET fields 2 slot)
        set(row "    {${country}, ${slot}")
        foreach(i RANGE 3 ${last})
            list(GET fields ${i} field)
            _rm_cxx_string(quoted "${field}")
            string(APPEND row ", ${quoted}")
        endforeach()
        string(APPEND body "${row}},\n")
        math(EXPR count "${count} + 1")
    endforeach()
    file(WRITE "${ARG_OUTPUT}.tmp"
"// Generated from ${ARG_TSV} by cmake/GeneratePresets.cmake. Do not edit.
#include \"${ARG_HEADER}\"

namespace rosmossel {

const std::array<${ARG_TYPE}, ${count}> ${ARG_TABLE} = {{
${body}}};

} // namespace rosmossel
")
    file(COPY_FILE "${ARG_OUTPUT}.tmp" "${ARG_OUTPUT}" ONLY_IF_DIFFERENT)
    file(REMOVE "${ARG_OUTPUT}.tmp")
endfunction()
