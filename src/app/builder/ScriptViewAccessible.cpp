#include "builder/ScriptViewAccessible.h"

#include "builder/ScriptView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>

namespace rw {

namespace {

// What a screen reader reads: the whole text, its selection and where each
// character is.
class AccessibleScriptView : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleScriptView(ScriptView* view)
        : QAccessibleWidget(view, QAccessible::EditableText) {}

    ScriptView* View() const { return static_cast<ScriptView*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return View()->toPlainText();
        return QAccessibleWidget::text(kind);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int index, int* start, int* end) const override {
        const auto [from, to] = View()->Selection();
        const bool any = index == 0 && from < to;
        *start = any ? int(from) : 0;
        *end = any ? int(to) : 0;
    }
    int selectionCount() const override {
        const auto [from, to] = View()->Selection();
        return from < to ? 1 : 0;
    }
    void addSelection(int start, int end) override { View()->Select(start, end); }
    void removeSelection(int) override {
        View()->Select(View()->CursorPosition(), View()->CursorPosition());
    }
    void setSelection(int, int start, int end) override { View()->Select(start, end); }
    int cursorPosition() const override { return int(View()->CursorPosition()); }
    void setCursorPosition(int position) override { View()->Select(position, position); }
    QString text(int start, int end) const override {
        return View()->toPlainText().mid(start, end - start);
    }
    int characterCount() const override { return int(View()->toPlainText().size()); }
    QRect characterRect(int offset) const override {
        const QRect rect = View()->CharacterRect(offset);
        return QRect(View()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return int(View()->OffsetAt(View()->viewport()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int start, int) override { View()->ScrollTo(start); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("rw::ScriptView") && object && object->isWidgetType())
        return new AccessibleScriptView(static_cast<ScriptView*>(object));
    return nullptr;
}

} // namespace

void InstallScriptViewAccessibility() {
    static const bool installed = (QAccessible::installFactory(&AccessibleFor), true);
    Q_UNUSED(installed);
}

} // namespace rw
