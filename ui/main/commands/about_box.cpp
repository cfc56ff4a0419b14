#include "ui/main/commands/about_box.h"

#include "quillmar_version.h"
#include "ui/dialog/twips.h"
#include "ui/main/commands/system_info_registry.h"
#include "ui/main/window/program_icons.h"
#include "ui/seams/message_boxes.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace quillmar {

namespace {

QFont titleFont(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(pointsToPixels(points));
    return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setGeometry(place);
    return result;
}

// One line of the etched rule: a strip of a fixed colour.
void ruleLine(QWidget* parent, const char* name, const QColor& colour, const QRect& place) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setGeometry(place);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
}

} // namespace

AboutBox::AboutBox(MessageBoxes& messages, const RegistryReader& registry, ProgramStarter& starter,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      messages_(messages), registry_(registry), starter_(starter) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QCoreApplication::translate("AboutBox", "Quillmar information"));
    setFixedSize(twipsRect(0, 0, 5865, 3630).size());
    buildLabels();
    buildRule();
    buildButtons();
}

QString AboutBox::versionText() {
    // The About box shows the whole version, points and all.
    return QStringLiteral("Ver. %1.%2.%3")
        .arg(QUILLMAR_VERSION_MAJOR)
        .arg(QUILLMAR_VERSION_MINOR)
        .arg(QUILLMAR_VERSION_PATCH);
}

void AboutBox::buildLabels() {
    auto* icon = label(this, "picIcon", QString(), twipsRect(240, 240, 480, 480));
    icon->setPixmap(programIcon().pixmap(32, 32));

    auto* title =
        label(this, "lblTitle", QStringLiteral("Quillmar"), twipsRect(1050, 180, 4560, 480));
    title->setFont(titleFont(18));
    auto* version = label(this, "lblVersion", versionText(), twipsRect(1050, 720, 4560, 420));
    version->setFont(titleFont(15.75));
    auto* description = label(
        this, "lblDescription",
        QCoreApplication::translate("AboutBox", "任意のねじ溝形状から、OSP (G34) と FANUC (G32) の"
                                                "ねじ切りプログラムを作成します。"),
        twipsRect(1050, 1290, 4560, 840));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void AboutBox::buildRule() {
    ruleLine(this, "Line1_1", QColor(128, 128, 128), twipsRect(225, 2400, 5400, 15));
    ruleLine(this, "Line1_0", QColor(255, 255, 255), twipsRect(225, 2415, 5400, 30));
}

void AboutBox::buildButtons() {
    auto* ok = new QPushButton(QStringLiteral("O   K"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(4245, 2625, 1467, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* sysInfo = new QPushButton(QStringLiteral("System Inf.(&S)..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(twipsRect(4260, 3075, 1452, 375));
    connect(sysInfo, &QPushButton::clicked, this, &AboutBox::startSystemInformation);

    setTabOrder(ok, sysInfo);
    ok->setFocus();
}

void AboutBox::reject() {
    accept();
}

void AboutBox::startSystemInformation() {
    if (!startSystemInformationTool(registry_, starter_, qEnvironmentVariable("PATH"))) {
        messages_.show(
            this, QStringLiteral("Quillmar"),
            QCoreApplication::translate("AboutBox", "現時点ではｼｽﾃﾑ情報を使用できません"),
            MessageIcon::None);
    }
}

} // namespace quillmar
