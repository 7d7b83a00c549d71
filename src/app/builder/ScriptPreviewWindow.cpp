#include "builder/ScriptPreviewWindow.h"

#include "builder/ScriptFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTimer>
#include <QVBoxLayout>

namespace rw {

QFont ScriptPreviewWindow::ScriptFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies(ScriptFontFamilies() << font.family());
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

bool ScriptPreviewWindow::BoldKeepsWidth(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    const QString sample = QStringLiteral("(defrule あ");
    return QFontMetricsF(bold).horizontalAdvance(sample) ==
           QFontMetricsF(font).horizontalAdvance(sample);
}

ScriptPreviewWindow::ScriptPreviewWindow(const PreviewText& text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Preview by ZuzAdidodi"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    text_ = new ScriptView(text);
    text_->setFont(ScriptFont());
    text_->SetBold(BoldKeepsWidth(text_->font()));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(text_);
    resize(760, 520);
}

ScriptPreviewWindow::~ScriptPreviewWindow() {
    EndBusyCursor();
}

void ScriptPreviewWindow::EndBusyCursorWhenShown() {
    busyCursor_ = true;
}

void ScriptPreviewWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (busyCursor_)
        QTimer::singleShot(0, this, &ScriptPreviewWindow::EndBusyCursor);
}

void ScriptPreviewWindow::EndBusyCursor() {
    if (!busyCursor_)
        return;
    busyCursor_ = false;
    QApplication::restoreOverrideCursor();
}

} // namespace rw
