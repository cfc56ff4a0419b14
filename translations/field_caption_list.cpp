// Writes the field captions of core/job_fields.h and the thread forms' notes
// (core/forms/form_notes.h) as QT_TRANSLATE_NOOP lines, so that
// lupdate finds them: the core is free of Qt and cannot mark them itself, and a copy
// kept by hand would drift from the table.

#include "core/forms/form_notes.h"
#include "core/job_fields.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

// "D 1" or "R1-F" reads the same in every language: nothing to translate.
bool needsTranslation(std::string_view caption) {
    return std::any_of(caption.begin(), caption.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: field_caption_list OUTPUT.cpp\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Generated from core/job_fields.h for lupdate; not compiled.\n";
    for (const quillmar::JobFieldInfo& info : quillmar::kJobFields) {
        if (needsTranslation(info.caption)) {
            out << "QT_TRANSLATE_NOOP(\"DataInput\", \"" << info.caption << "\");\n";
        }
    }
    for (std::string_view note : quillmar::forms::kFormNoteTexts) {
        out << "QT_TRANSLATE_NOOP(\"FormNotes\", \"" << note << "\");\n";
    }
    out.close();
    if (!out) {
        std::cerr << "field_caption_list: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
