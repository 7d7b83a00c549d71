#include "builder/ScriptPreviewWindow.h"

#include <QFontDatabase>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace rw {

ScriptPreviewWindow::ScriptPreviewWindow(const PreviewText& text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Preview by ZuzAdidodi"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    text_ = new QTextEdit;
    text_->setReadOnly(true);
    text_->setLineWrapMode(QTextEdit::NoWrap);
    // Scripts line their comments up in one column.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    if (text.rich)
        text_->setHtml(text.content);
    else
        text_->setPlainText(text.content);
    text_->moveCursor(QTextCursor::Start);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(text_);
    resize(760, 520);
}

} // namespace rw
