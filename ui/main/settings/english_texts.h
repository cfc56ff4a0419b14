#pragma once

namespace quillmar {

// The program's English texts as lrelease compiled them (a QM file), built in.
extern const unsigned char kEnglishTexts[];
extern const int kEnglishTextsSize;

} // namespace quillmar
