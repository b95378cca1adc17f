# Writes OUT, a C++ source holding the .qm files given in QM (a list of
# LANG=FILE) as byte arrays behind translationData().
set(body "")
set(table "")
foreach(entry IN LISTS QM)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 lang)
  list(GET pair 1 file)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(LENGTH "${hex}" hexlen)
  math(EXPR size "${hexlen} / 2")
  string(APPEND body "const unsigned char qm_${lang}[] = {${bytes}};\n")
  string(APPEND table "    {\"${lang}\", qm_${lang}, ${size}},\n")
endforeach()
file(WRITE "${OUT}.tmp" "// Generated from the .ts files; do not edit.
#include \"translations/translation_data.h\"

#include <cstring>

namespace orvane {
namespace {
${body}
struct Entry {
    const char *language;
    const unsigned char *data;
    std::size_t size;
};
const Entry entries[] = {
${table}};
} // namespace

TranslationData translationData(const char *language)
{
    for (const Entry &e : entries)
        if (std::strcmp(e.language, language) == 0)
            return {e.data, e.size};
    return {};
}

} // namespace orvane
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
