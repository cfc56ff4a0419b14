#include "ui/main/window/main_toolbar.h"

#include "ui/main/window/program_icons.h"

#include <QAction>
#include <QCoreApplication>
#include <QToolBar>
#include <array>
#include <utility>

namespace quillmar {

namespace {

struct ButtonDesign {
    const char* key; // nullptr: a separator
    const char* tooltip;
};

const std::array<ButtonDesign, 13> kButtons = {{
    {"New", QT_TRANSLATE_NOOP("MainToolbar", "全データ消去")},
    {"Square", QT_TRANSLATE_NOOP("MainToolbar", "データ入力")},
    {"Save", QT_TRANSLATE_NOOP("MainToolbar", "保存")},
    {nullptr, nullptr},
    {"Undo", QT_TRANSLATE_NOOP("MainToolbar", "元に戻す")},
    {"Cut", QT_TRANSLATE_NOOP("MainToolbar", "切り取り")},
    {"Copy", QT_TRANSLATE_NOOP("MainToolbar", "コピー")},
    {"CopyAll", QT_TRANSLATE_NOOP("MainToolbar", "全コピー")},
    {"Paste", QT_TRANSLATE_NOOP("MainToolbar", "貼り付け")},
    {nullptr, nullptr},
    {"Exit", QT_TRANSLATE_NOOP("MainToolbar", "終了")},
    {nullptr, nullptr},
    {"Open", QT_TRANSLATE_NOOP("MainToolbar", "開く")},
}};

const std::array<std::pair<const char*, ToolbarCommand>, 10> kDispatchOrder = {{
    {"New", ToolbarCommand::New},
    {"Square", ToolbarCommand::Square},
    {"Save", ToolbarCommand::Save},
    {"Undo", ToolbarCommand::Undo},
    {"Cut", ToolbarCommand::Cut},
    {"Copy", ToolbarCommand::Copy},
    {"CopyAll", ToolbarCommand::CopyAll},
    {"Paste", ToolbarCommand::Paste},
    {"Exit", ToolbarCommand::Exit},
    {"Open", ToolbarCommand::Open},
}};

} // namespace

std::optional<ToolbarCommand> toolbarCommandForKey(const QString& key) {
    for (const auto& [known, command] : kDispatchOrder) {
        if (key == QLatin1String(known)) {
            return command;
        }
    }
    return std::nullopt;
}

QString toolbarKey(const QAction* action) {
    return action->data().toString();
}

QToolBar* buildMainToolbar(QWidget* parent) {
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName(QStringLiteral("tbToolBar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setFocusPolicy(Qt::NoFocus);
    for (const ButtonDesign& button : kButtons) {
        if (button.key == nullptr) {
            toolbar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(button.key);
        QAction* action = toolbar->addAction(toolbarIcon(key), QString());
        action->setObjectName(QStringLiteral("tbToolBar_") + key);
        action->setData(key);
        action->setToolTip(QCoreApplication::translate("MainToolbar", button.tooltip));
    }
    return toolbar;
}

} // namespace quillmar
