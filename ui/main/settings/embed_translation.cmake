# Writes the compiled translation QM as a C++ array of bytes: the definitions that
# ui/main/settings/english_texts.h declares.
file(READ ${QM} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUTPUT}
  "// Made while building from translations/quillmar_en.ts.\n"
  "#include \"ui/main/settings/english_texts.h\"\n\n"
  "namespace quillmar {\n\n"
  "const unsigned char kEnglishTexts[] = {${bytes}};\n"
  "const int kEnglishTextsSize = int(sizeof(kEnglishTexts));\n\n"
  "} // namespace quillmar\n")
