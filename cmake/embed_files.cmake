# Writes a C++ source that holds picture files as byte arrays, so the program
# carries them without reading anything at run time:
#   cmake -DOUTPUT=file.cpp -DPICTURE=Panel -DFILES="100=a.bmp|125=b.bmp" -P embed_files.cmake
string(REPLACE "|" ";" FILES "${FILES}")
set(arrays "")
set(entries "")
foreach(item IN LISTS FILES)
  string(REPLACE "=" ";" pair "${item}")
  list(GET pair 0 percent)
  list(GET pair 1 path)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x..,){24})" "\\1\n  " bytes "${bytes}")
  get_filename_component(name "${path}" NAME)
  string(APPEND arrays "// ${name}\nconstexpr std::uint8_t k${PICTURE}${percent}[] = {\n  ${bytes}\n};\n")
  string(APPEND entries "    {${percent}, k${PICTURE}${percent}},\n")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by cmake/embed_files.cmake from the files under assets/; not to be edited.
#include \"platform/rules/pictures.h\"

namespace quimbly::platform {
namespace {

${arrays}
constexpr PictureFile k${PICTURE}[] = {
${entries}};

}  // namespace

std::span<const PictureFile> PictureFiles(Picture picture) {
  if (picture == Picture::${PICTURE}) return k${PICTURE};
  return {};
}

}  // namespace quimbly::platform
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
