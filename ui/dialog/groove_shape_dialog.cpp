#include "ui/dialog/groove_shape_dialog.h"

#include "core/drawn_groove.h"
#include "core/leading_number.h"
#include "core/plain_number_text.h"
#include "core/quoted_text.h"
#include "core/whole_text_number.h"
#include "profile_import/profile_file.h"
#include "ui/dialog/groove_preview.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace quillmar {

namespace {

// A profile is a few kilobytes; anything near this is not one, and is not read whole.
constexpr qint64 kLargestProfileFile = 64LL * 1024 * 1024;

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

Expected<std::string, QString> readWholeFile(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        return unexpected(QCoreApplication::translate("GrooveShapeDialog", "%1 を読めません: %2")
                              .arg(path, file.errorString()));
    }
    if (file.size() > kLargestProfileFile) {
        return unexpected(QCoreApplication::translate("GrooveShapeDialog",
                                                      "%1 は溝形状として大きすぎます (64 MB まで)")
                              .arg(path));
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

GrooveShapeDialog::GrooveShapeDialog(const DialogSnapshot& form, const QString& source,
                                     AskProfileFile askFile, QWidget* parent)
    : QDialog(parent), form_(form), askFile_(std::move(askFile)), path_(source),
      read_(form.drawnGroove) {
    setObjectName(QStringLiteral("frmGrooveShape"));
    setWindowTitle(QCoreApplication::translate("GrooveShapeDialog", "溝形状"));
    buildControls();
    fileName_->setText(path_);
    if (form.drawnCusp > 0) {
        cusp_->setText(text(plainNumberText(form.drawnCusp)));
    }
    review();
}

void GrooveShapeDialog::buildControls() {
    fileName_ = named(new QLineEdit(this), "txtGrooveFile");
    fileName_->setReadOnly(true);
    fileName_->setMinimumWidth(320);
    auto* open =
        named(new QPushButton(QCoreApplication::translate("GrooveShapeDialog", "開く..."), this),
              "cmdOpenGrooveFile");
    layer_ = named(new QLineEdit(this), "txtGrooveLayer");
    layer_->setPlaceholderText(
        QCoreApplication::translate("GrooveShapeDialog", "空欄: 図形のある一つの画層"));
    cusp_ = named(new QLineEdit(this), "txtGrooveCusp");
    cusp_->setPlaceholderText(
        QCoreApplication::translate("GrooveShapeDialog", "空欄: R1-F の送りで"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileName_, 1);
    fileRow->addWidget(open);
    auto* fields = new QFormLayout;
    fields->addRow(QCoreApplication::translate("GrooveShapeDialog", "ファイル"), fileRow);
    fields->addRow(QCoreApplication::translate("GrooveShapeDialog", "画層 (DXF)"), layer_);
    fields->addRow(QCoreApplication::translate("GrooveShapeDialog", "カスプ高さ (mm)"), cusp_);

    auto* convention = named(
        new QLabel(QCoreApplication::translate(
                       "GrooveShapeDialog",
                       "1ピッチ分の軸断面を山頂から山頂まで: Z は軸方向、X は山頂から材料側"
                       "への深さ。単位は mm (DXF のヘッダが inch と言えば inch)。ピッチ・リード・"
                       "ノーズR はデータ入力の値です。"),
                   this),
        "lblGrooveConvention");
    convention->setWordWrap(true);
    preview_ = named(new GroovePreview(this), "picDrawnGroove");
    preview_->setMinimumSize(420, 220);
    verdict_ = named(new QLabel(this), "lblGrooveVerdict");
    verdict_->setWordWrap(true);
    // Room for the depth and a few notes without squeezing the preview as they come.
    verdict_->setMinimumHeight(verdict_->fontMetrics().lineSpacing() * 5);
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    useDrawn_ = named(
        new QPushButton(QCoreApplication::translate("GrooveShapeDialog", "この溝形状を使う"), this),
        "cmdUseDrawnGroove");
    useBuiltIn_ =
        named(new QPushButton(
                  QCoreApplication::translate("GrooveShapeDialog", "入力欄の溝形状に戻す"), this),
              "cmdUseFieldGroove");
    cancel_ =
        named(new QPushButton(QCoreApplication::translate("GrooveShapeDialog", "キャンセル"), this),
              "cmdCancelGrooveShape");
    useDrawn_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(useBuiltIn_);
    buttons->addStretch();
    buttons->addWidget(useDrawn_);
    buttons->addWidget(cancel_);

    auto* whole = new QVBoxLayout(this);
    whole->addLayout(fields);
    whole->addWidget(convention);
    whole->addWidget(preview_, 1);
    whole->addWidget(verdict_);
    whole->addLayout(buttons);

    connect(open, &QPushButton::clicked, this, &GrooveShapeDialog::askForFile);
    connect(layer_, &QLineEdit::editingFinished, this, &GrooveShapeDialog::readChosenFile);
    connect(cusp_, &QLineEdit::textChanged, this, &GrooveShapeDialog::review);
    connect(useDrawn_, &QPushButton::clicked, this, [this] {
        choice_ = {read_, 0, path_, review_->depth};
        if (const auto cusp = wholeTextNumber(cusp_->text().toStdString())) {
            choice_.cusp = *cusp;
        }
        accept();
    });
    connect(useBuiltIn_, &QPushButton::clicked, this, [this] {
        choice_ = {};
        accept();
    });
    connect(cancel_, &QPushButton::clicked, this, &GrooveShapeDialog::reject);
}

void GrooveShapeDialog::askForFile() {
    const QString path = askFile_ ? askFile_(this) : QString();
    if (path.isEmpty()) {
        return;
    }
    path_ = path;
    fileName_->setText(path);
    readChosenFile();
}

void GrooveShapeDialog::readChosenFile() {
    if (path_.isEmpty()) {
        return;
    }
    read_.clear();
    const std::string name = QFileInfo(path_).fileName().toStdString();
    const auto kind = profileFileKind(name);
    if (!kind) {
        refuse(QCoreApplication::translate(
                   "GrooveShapeDialog", "%1 は .dxf (図面) でも .groove (テキスト) でもありません")
                   .arg(text(name)));
        return;
    }
    const auto bytes = readWholeFile(path_);
    if (!bytes) {
        refuse(bytes.error());
        return;
    }
    auto chain = readProfileFile(*bytes, *kind, layer_->text().trimmed().toStdString());
    if (!chain) {
        refuse(text(describeReadError(chain.error(), name)));
        return;
    }
    read_ = std::move(*chain);
    review();
}

void GrooveShapeDialog::review() {
    review_.reset();
    preview_->clear();
    useDrawn_->setEnabled(false);
    if (read_.empty()) {
        // A file that could not be read keeps saying why.
        if (path_.isEmpty()) {
            verdict_->setText(QCoreApplication::translate(
                "GrooveShapeDialog", "図面 (.dxf) かテキスト (.groove) を開いてください"));
        }
        return;
    }
    const std::string cuspText = cusp_->text().toStdString();
    if (!cusp_->text().trimmed().isEmpty()) {
        const auto cusp = wholeTextNumber(cuspText);
        if (!cusp || !(*cusp > 0)) {
            refuse(text("cusp " + quotedText(cuspText) + " is not a height above 0 mm"));
            return;
        }
    }
    const double pitch = leadingNumberValue(form_.text(JobField::Pitch));
    const double nose = leadingNumberValue(form_.text(JobField::NoseRadius));
    auto review = reviewDrawnGroove(read_, pitch, nose, 0);
    if (!review) {
        refuse(text("profile: " + describeRefusal(review.error())));
        return;
    }
    review_ = std::move(*review);
    preview_->showDrawnGroove(review_->segments, pitch, nose, review_->unreachable);
    QStringList lines;
    lines << QCoreApplication::translate("GrooveShapeDialog", "深さ %1 mm")
                 .arg(text(plainNumberText(std::round(review_->depth * 1e4) / 1e4)));
    for (const std::string& note : review_->notes) {
        lines << text(note);
    }
    verdict_->setText(lines.join(QLatin1Char('\n')));
    useDrawn_->setEnabled(true);
}

void GrooveShapeDialog::refuse(const QString& why) {
    review_.reset();
    preview_->clear();
    verdict_->setText(
        QCoreApplication::translate("GrooveShapeDialog", "この溝形状は使えません: %1").arg(why));
    useDrawn_->setEnabled(false);
}

} // namespace quillmar
