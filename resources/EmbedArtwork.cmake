# cmake -DOUTPUT=<file.cpp> -DIMAGES="<id>=<png>|..." -P EmbedArtwork.cmake
# Writes the artwork table: each image's PNG bytes as an array, looked up by resource number.
string(REPLACE "|" ";" IMAGES "${IMAGES}")
set(body "")
set(table "")
foreach(entry ${IMAGES})
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 id)
  list(GET parts 1 file)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
  string(APPEND body "const unsigned char image${id}[${size}] = {\n${bytes}};\n")
  string(APPEND table "    {${id}, image${id}, ${size}},\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from resources/images by EmbedArtwork.cmake; do not edit.
#include \"ChordwellArtworkData.h\"

namespace
{
${body}
const ORLArtworkImage images[] = {
${table}};
} // namespace

const ORLArtworkImage* findArtworkImage(int32_t resource)
{
    for (const auto& image : images)
        if (image.resource == resource)
            return &image;
    return nullptr;
}
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
