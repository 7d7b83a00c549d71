#include "builder/ScriptPreviewWindow.h"

#include "builder/ScriptFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace rw {

namespace {

// Colours each line by itself: no colour reaches across a line break, so a
// line's runs are those of the whole text that fall on it.
class ScriptHighlighter : public QSyntaxHighlighter {
public:
    // `bold`: whether bold runs are drawn bold; a font whose bold letters
    // are wider (Windows widens a font that has no bold face by a pixel a
    // letter) would push the comments out of their column.
    ScriptHighlighter(QTextDocument* document, bool bold)
        : QSyntaxHighlighter(document), bold_(bold) {}

protected:
    void highlightBlock(const QString& line) override {
        const bool lineBreakFollows = currentBlock().next().isValid();
        for (const ColourRange& run : ColourRuns(line, lineBreakFollows))
            setFormat(run.start, run.length, FormatOf(run));
    }

private:
    QTextCharFormat FormatOf(const ColourRange& run) {
        for (const auto& [style, format] : formats_)
            if (style.bold == run.bold && style.rgb == run.rgb)
                return format;
        QTextCharFormat format;
        format.setForeground(QColor::fromRgb(QRgb(run.rgb)));
        format.setFontWeight(run.bold && bold_ ? QFont::Bold : QFont::Normal);
        formats_.append({run, format});
        return format;
    }

    bool bold_;
    QList<std::pair<ColourRange, QTextCharFormat>> formats_;
};

} // namespace

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
    text_ = new QPlainTextEdit;
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(ScriptFont());
    QString content = text.content;
    content.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text_->setPlainText(content);
    if (text.coloured) {
        auto* highlighter = new ScriptHighlighter(text_->document(), BoldKeepsWidth(text_->font()));
        // Colour now rather than after the window shows, so that it never
        // appears plain first.
        highlighter->rehighlight();
    }
    text_->moveCursor(QTextCursor::Start);

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
