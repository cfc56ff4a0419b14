#include "ui/main/editor/pane_accessibility.h"

#include "ui/main/editor/output_pane.h"

#include <QAccessibleWidget>

namespace quillmar {

namespace {

// Offsets are places in the program text (a CR LF counts two).
class PaneAccessibility : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PaneAccessibility(OutputPane* pane)
        : QAccessibleWidget(pane, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? pane()->programText().toString()
                                          : QAccessibleWidget::text(kind);
    }

    void selection(int index, int* start, int* end) const override {
        const bool selected = index == 0 && selectionCount() == 1;
        *start = selected ? int(std::min(anchor(), caret())) : 0;
        *end = selected ? int(std::max(anchor(), caret())) : 0;
    }
    int selectionCount() const override { return anchor() != caret() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override { pane()->setSelection(caret(), caret()); }
    void setSelection(int /*index*/, int start, int end) override {
        pane()->setSelection(start, end);
    }
    int cursorPosition() const override { return int(caret()); }
    void setCursorPosition(int position) override { pane()->setSelection(position, position); }
    QString text(int start, int end) const override {
        const QStringView all = pane()->programText();
        start = std::clamp(start, 0, int(all.size()));
        return all.sliced(start, std::clamp(end, start, int(all.size())) - start).toString();
    }
    int characterCount() const override { return int(pane()->programText().size()); }
    QRect characterRect(int offset) const override {
        const QRect local = pane()->characterRectangle(offset);
        return QRect(pane()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return int(pane()->positionAtPoint(pane()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int start, int /*end*/) override { pane()->ensureVisible(start); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

private:
    OutputPane* pane() const { return static_cast<OutputPane*>(widget()); }
    qsizetype caret() const { return pane()->caretPosition(); }
    qsizetype anchor() const { return pane()->anchorPosition(); }
};

QAccessibleInterface* paneInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("quillmar::OutputPane") && object != nullptr &&
        object->isWidgetType()) {
        return new PaneAccessibility(static_cast<OutputPane*>(object));
    }
    return nullptr;
}

} // namespace

void makePanesAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(paneInterface);
        return true;
    }();
    (void)installed;
}

void announceCaret(QObject* pane, qsizetype caret) {
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent event(pane, int(caret));
        QAccessible::updateAccessibility(&event);
    }
}

void announceTextChange(QObject* pane, qsizetype position, const QString& removed,
                        const QString& inserted) {
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(pane, int(position), removed, inserted);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace quillmar
