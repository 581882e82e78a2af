# Writes the opening table the core compiles in: one row per named line of the TSV file (ECO code,
# name, moves in UCI form). Run as: cmake -DINPUT=openings.tsv -DOUTPUT=lines.cpp -P this file.
file(STRINGS ${INPUT} rows ENCODING UTF-8)
set(body "")
set(count 0)
foreach(row IN LISTS rows)
    if(row MATCHES "^([A-E][0-9][0-9])\t([^\t]+)\t([a-h1-8qrbn ]+)$")
        set(name "${CMAKE_MATCH_2}")
        string(REPLACE "\\" "\\\\" name "${name}")
        string(REPLACE "\"" "\\\"" name "${name}")
        string(APPEND body "    {\"${CMAKE_MATCH_1}\", \"${name}\", \"${CMAKE_MATCH_3}\"},\n")
        math(EXPR count "${count} + 1")
    elseif(NOT row STREQUAL "")
        message(FATAL_ERROR "${INPUT}: not a line of the opening table: ${row}")
    endif()
endforeach()
if(count EQUAL 0)
    message(FATAL_ERROR "${INPUT}: no opening lines")
endif()
file(WRITE ${OUTPUT}.tmp "// Written by cmake/velmora_opening_table.cmake from resources/openings/openings.tsv.
#include \"engine/chess_opening_lines.h\"

namespace {
constexpr CHESS_OPENING_LINE lines[] = {
${body}};
} // namespace

std::span<const CHESS_OPENING_LINE> chess_opening_lines() {
    return lines;
}
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
