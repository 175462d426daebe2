# The interface languages, one row each in resources/languages.tsv: the C++
# table the core reads, and the columns the build itself needs.

set(ROSMOSSEL_LANGUAGES_TSV ${PROJECT_SOURCE_DIR}/resources/languages.tsv)

# rosmossel_language_rows(OUT var): the table's rows, the heading left out;
# each a list of its cells.
macro(rosmossel_language_rows out)
    cmake_policy(SET CMP0007 NEW)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ROSMOSSEL_LANGUAGES_TSV})
    file(STRINGS ${ROSMOSSEL_LANGUAGES_TSV} ${out} ENCODING UTF-8)
    list(POP_FRONT ${out})
endmacro()

# rosmossel_language_column(COLUMN OUT var): one column, in table order.
function(rosmossel_language_column column out)
    rosmossel_language_rows(rows)
    set(cells)
    foreach(row IN LISTS rows)
        string(REPLACE "\t" ";" cells_of_row "${row}")
        list(GET cells_of_row ${column} cell)
        list(APPEND cells "${cell}")
    endforeach()
    set(${out} "${cells}" PARENT_SCOPE)
endfunction()

# rosmossel_generate_languages(OUTPUT file): the rows as C++ initializers.
function(rosmossel_generate_languages output)
    rosmossel_language_rows(rows)
    set(body "")
    foreach(row IN LISTS rows)
        string(REPLACE "\t" ";" cells "${row}")
        list(LENGTH cells n)
        if(NOT n EQUAL 6)
            message(FATAL_ERROR "${ROSMOSSEL_LANGUAGES_TSV}: a row needs 6 cells: ${row}")
        endif()
        list(GET cells 0 number)
        list(GET cells 1 english)
        list(GET cells 2 native)
        list(GET cells 3 locale)
        list(GET cells 4 windows_id)
        list(GET cells 5 code_page)
        string(APPEND body "    {${number}, \"${english}\", \"${native}\", \"${locale}\", "
                           "${windows_id}, ${code_page}},\n")
    endforeach()
    file(WRITE "${output}.tmp"
"// Generated from resources/languages.tsv by cmake/Languages.cmake. Do not edit.
${body}")
    file(COPY_FILE "${output}.tmp" "${output}" ONLY_IF_DIFFERENT)
    file(REMOVE "${output}.tmp")
endfunction()
