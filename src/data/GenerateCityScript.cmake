# Turns data/cidades.csv (ID,UF,NOME with a header line) into a C++ source holding the city
# script: plain INSERT statements of up to ten rows each, run in one execution.
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
list(POP_FRONT lines header)
set(script "")
set(statement "")
set(tuples 0)
set(rows 0)
foreach(line IN LISTS lines)
  if(line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+),([A-Z][A-Z]),(.+)$")
    message(FATAL_ERROR "cidades.csv: linha inválida: ${line}")
  endif()
  set(id "${CMAKE_MATCH_1}")
  set(uf "${CMAKE_MATCH_2}")
  string(REPLACE "'" "''" nome "${CMAKE_MATCH_3}")
  if(tuples EQUAL 0)
    set(statement "INSERT INTO CIDADE (ID,UF,NOME) VALUES\n(${id},'${uf}','${nome}')")
  else()
    string(APPEND statement ",\n(${id},'${uf}','${nome}')")
  endif()
  math(EXPR tuples "${tuples} + 1")
  math(EXPR rows "${rows} + 1")
  if(tuples EQUAL 10)
    string(APPEND script "${statement};\n")
    set(tuples 0)
  endif()
endforeach()
if(tuples GREATER 0)
  string(APPEND script "${statement};\n")
endif()
file(WRITE "${OUTPUT}.tmp" "// Generated from data/cidades.csv at build time; do not edit.\n"
  "#include \"data/CidadesScript.h\"\n\n"
  "namespace mvf {\n\n"
  "const char* CidadesScript() {\n"
  "    return R\"CIDADES(${script})CIDADES\";\n"
  "}\n\n"
  "int CidadesQuantidade() { return ${rows}; }\n\n"
  "} // namespace mvf\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
