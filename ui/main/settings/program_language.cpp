#include "ui/main/settings/program_language.h"

#include "ui/main/settings/english_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace quillmar {

ProgramTranslators::ProgramTranslators(ProgramLanguage language) {
    if (language == ProgramLanguage::English) {
        if (program_.load(kEnglishTexts, kEnglishTextsSize)) {
            QCoreApplication::installTranslator(&program_);
        }
        return;
    }
    // Missing on a system without Qt's translations: Qt's texts then stay English.
    if (qt_.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

ProgramTranslators::~ProgramTranslators() {
    QCoreApplication::removeTranslator(&program_);
    QCoreApplication::removeTranslator(&qt_);
}

} // namespace quillmar
