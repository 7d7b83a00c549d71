#include "builder/ScriptPreviewWindow.h"

#include "builder/ScriptFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace rw {

namespace {

// A text area that colours each line when it first comes into view, so a
// long script shows as soon as its first screen is coloured. No colour
// reaches across a line break, so a line's runs are those of the whole text
// that fall on it.
class ScriptTextArea : public QPlainTextEdit {
public:
    explicit ScriptTextArea(bool coloured) : coloured_(coloured) {}

    // Whether bold runs are drawn bold; a font whose bold letters are wider
    // (Windows widens a font that has no bold face by a pixel a letter) would
    // push the comments out of their column.
    void SetBold(bool bold) { bold_ = bold; }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (coloured_)
            ColourVisibleLines();
        QPlainTextEdit::paintEvent(event);
    }

private:
    static constexpr int kColoured = 1;

    void ColourVisibleLines() {
        const qreal bottom = viewport()->height();
        QTextBlock block = firstVisibleBlock();
        qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
        for (; block.isValid() && top <= bottom; block = block.next()) {
            if (block.userState() != kColoured) {
                Colour(block);
                block.setUserState(kColoured);
            }
            top += blockBoundingRect(block).height();
        }
    }

    // Formats given before a line is laid out are laid out with it; a line
    // laid out already is laid out again when next painted.
    void Colour(QTextBlock& block) {
        const bool lineBreakFollows = block.next().isValid();
        QList<QTextLayout::FormatRange> ranges;
        for (const ColourRange& run : ColourRuns(block.text(), lineBreakFollows))
            ranges.append({run.start, run.length, FormatOf(run)});
        block.layout()->setFormats(ranges);
    }

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

    bool coloured_;
    bool bold_ = true;
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
    auto* area = new ScriptTextArea(text.coloured);
    text_ = area;
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(ScriptFont());
    area->SetBold(BoldKeepsWidth(text_->font()));
    QString content = text.content;
    content.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text_->setPlainText(content);
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
