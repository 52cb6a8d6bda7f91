# Writes a C++ source holding the built-in level texts.
#   cmake -DLEVEL_DIR=... -DOUT=... -P embed_levels.cmake
# Each levels/builtin/level_NNN.txt holds one level text; its final line
# break is not part of the text.
set(body "// Made by tools/embed_levels.cmake from levels/builtin/. Do not edit.\n")
string(APPEND body "#include \"level/builtin_level_texts.h\"\n\nconst std::string_view kBuiltinLevelTexts[61] = {\n")
foreach(i RANGE 0 60)
  string(LENGTH "00${i}" len)
  math(EXPR start "${len} - 3")
  string(SUBSTRING "00${i}" ${start} 3 num)
  set(file "${LEVEL_DIR}/level_${num}.txt")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "missing level text ${file}")
  endif()
  file(READ "${file}" text)
  string(REGEX REPLACE "\r?\n$" "" text "${text}")
  string(APPEND body "    R\"LEVEL(${text})LEVEL\",\n")
endforeach()
string(APPEND body "};\n")
file(WRITE "${OUT}.tmp" "${body}")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
