# Turns the operator preset TSV files into C++ tables. The TSV files stay the
# only source of the preset strings; the build regenerates the tables whenever
# one of them changes.

function(_rm_cxx_string out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    set(${out} "\"${value}\"" PARENT_SCOPE)
endfunction()

# rosmossel_generate_presets(TSV file OUTPUT file TABLE name COLUMNS n0 n1 ...)
# Every row becomes one initializer {country, "country", slot, "operator", ...}
# in file order; the last (source) column is dropped.
function(rosmossel_generate_presets)
    cmake_policy(SET CMP0007 NEW)
    cmake_parse_arguments(ARG "" "TSV;OUTPUT;TABLE;TYPE;HEADER" "" ${ARGN})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${ARG_TSV}")
    file(READ "${ARG_TSV}" content)
    if(content MATCHES "[][]")
        message(FATAL_ERROR "${ARG_TSV}: square brackets would split CMake lists")
    endif()
    # Semicolons separate CMake list items, so hide them while splitting.
    string(REPLACE ";" "<semicolon>" content "${content}")
    string(REPLACE "\r" "" content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    list(POP_FRONT lines)
    set(body "")
    set(count 0)
    foreach(line IN LISTS lines)
        if(line STREQUAL "")
            continue()
        endif()
        string(REPLACE "\t" ";" fields "${line}")
        list(LENGTH fields n)
        math(EXPR last "${n} - 2")
        list(GET fields 0 country)
        list(GET fields 1 country_name)
        string(REPLACE "<semicolon>" ";" country_name "${country_name}")
        list(GET fields 2 slot)
        _rm_cxx_string(quoted_country "${country_name}")
        set(row "    {${country}, ${quoted_country}, ${slot}")
        foreach(i RANGE 3 ${last})
            list(GET fields ${i} field)
            string(REPLACE "<semicolon>" ";" field "${field}")
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

# rosmossel_generate_preset_networks(TSV file OUTPUT file FUNCTION name)
# The network ("mcc N mnc M" in the source column) each preset slot was taken
# from, as a function returning {country, slot, "mcc", "mnc"} rows; slots
# whose source names no network are left out.
function(rosmossel_generate_preset_networks)
    cmake_policy(SET CMP0007 NEW)
    cmake_parse_arguments(ARG "" "TSV;OUTPUT;FUNCTION" "" ${ARGN})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${ARG_TSV}")
    file(STRINGS "${ARG_TSV}" lines)
    list(POP_FRONT lines)
    set(body "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^([0-9]+)\t[^\t]*\t([0-9]+)\t.*mcc ([0-9]+) mnc ([0-9]+)[^\t]*$")
            string(APPEND body "        {${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, \"${CMAKE_MATCH_3}\", "
                               "\"${CMAKE_MATCH_4}\"},\n")
        endif()
    endforeach()
    file(WRITE "${ARG_OUTPUT}.tmp"
"// Generated from ${ARG_TSV} by cmake/GeneratePresets.cmake. Do not edit.
#include \"core/operators/preset_comparison.h\"

namespace rosmossel {

std::span<const PresetNetworkRow> ${ARG_FUNCTION}() {
    static const PresetNetworkRow rows[] = {
${body}    };
    return rows;
}

} // namespace rosmossel
")
    file(COPY_FILE "${ARG_OUTPUT}.tmp" "${ARG_OUTPUT}" ONLY_IF_DIFFERENT)
    file(REMOVE "${ARG_OUTPUT}.tmp")
endfunction()
