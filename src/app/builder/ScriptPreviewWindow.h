#pragma once

#include "builder/ScriptPreview.h"

#include <QDialog>

class QTextEdit;

namespace rw {

// "Preview by ZuzAdidodi": the script of the selected tree node, plain or
// coloured, in a text area that does not wrap.
class ScriptPreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit ScriptPreviewWindow(const PreviewText& text, QWidget* parent = nullptr);

    QTextEdit* TextArea() const { return text_; }

private:
    QTextEdit* text_;
};

} // namespace rw
