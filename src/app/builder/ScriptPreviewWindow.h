#pragma once

#include "builder/ScriptPreview.h"
#include "builder/ScriptView.h"

#include <QDialog>

namespace rw {

// "Preview by ZuzAdidodi": the script of the selected tree node, plain or
// coloured, in a read-only view that does not wrap.
class ScriptPreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit ScriptPreviewWindow(const PreviewText& text, QWidget* parent = nullptr);
    ~ScriptPreviewWindow() override;

    ScriptView* TextArea() const { return text_; }

    // The application's busy cursor, set by the caller, ends once the
    // window is on the screen (or when it goes, if it never showed).
    void EndBusyCursorWhenShown();

    // The font of the text area: one in which a Japanese character takes
    // exactly two Latin cells, as its width in the script counts it.
    static QFont ScriptFont();
    // Whether the font's bold letters take the room of its regular ones;
    // the colouring draws nothing bold where they do not.
    static bool BoldKeepsWidth(const QFont& font);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void EndBusyCursor();

    ScriptView* text_;
    bool busyCursor_ = false;
};

} // namespace rw
