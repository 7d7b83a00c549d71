#pragma once

#include "builder/ScriptPreview.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QStringView>
#include <QTextLayout>

#include <memory>
#include <unordered_map>

namespace rw {

// A read-only view of a script that lays out and colours only the lines on
// the screen, so a script of tens of thousands of lines opens as fast as its
// first screen. Lines do not wrap; every line is one fixed height. The text
// is selected with the mouse or Ctrl+A and copied with Ctrl+C or the
// context menu, lines joined by LF.
class ScriptView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // `text` may end its lines with CR LF, CR or LF.
    explicit ScriptView(const PreviewText& text, QWidget* parent = nullptr);
    ~ScriptView() override;

    // Whether bold runs are drawn bold; a font whose bold letters are wider
    // (Windows widens a font that has no bold face by a pixel a letter) would
    // push the comments out of their column.
    void SetBold(bool bold);

    // The text, lines joined by LF.
    const QString& toPlainText() const { return text_; }
    qsizetype LineCount() const { return lines_.size(); }

    // The selection as offsets into toPlainText(), start <= end.
    std::pair<qsizetype, qsizetype> Selection() const;
    // Where the selection was last extended to.
    qsizetype CursorPosition() const { return position_; }
    QString SelectedText() const;
    void Select(qsizetype anchor, qsizetype position);
    void SelectAll();
    void Copy() const;

    // The colour and weight the view draws the character at `position` of
    // toPlainText() in.
    struct CharStyle {
        QColor colour;
        bool bold = false;
        bool operator==(const CharStyle&) const = default;
    };
    CharStyle StyleAt(qsizetype position) const;

    // The offset of toPlainText() nearest to `point` of the viewport, and
    // where the character at `offset` is drawn there.
    qsizetype OffsetAt(QPoint point) const;
    QRect CharacterRect(qsizetype offset) const;
    // Scrolls so that the character at `offset` is on the screen.
    void ScrollTo(qsizetype offset);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void Remeasure();
    void UpdateScrollBars();
    int LineOf(qsizetype offset) const;
    qsizetype LineStart(int line) const;
    int VisibleLines() const;
    qreal TopMargin() const;
    QPointF LineOrigin(int line) const;
    QTextLayout& Layout(int line) const;
    QTextCharFormat FormatOf(const ColourRange& run) const;
    QList<QTextLayout::FormatRange> SelectionOn(int line) const;
    bool ExtendSelection(int key, bool wholeText);
    void DragTo(QPoint point);
    void OfferSelection() const;

    QString text_;
    QList<QStringView> lines_; // views into text_
    bool coloured_;
    bool bold_ = true;

    // Measured from the font when it changes; widest_ < 0 until then.
    qreal lineHeight_ = 0;
    qreal ascent_ = 0;
    qreal widest_ = -1;

    qsizetype anchor_ = 0;
    qsizetype position_ = 0;
    bool dragging_ = false;
    QPoint dragPoint_;
    QBasicTimer autoScroll_;

    // The lines laid out for the screen; others are dropped at each paint.
    mutable std::unordered_map<int, std::unique_ptr<QTextLayout>> layouts_;
    mutable QList<std::pair<ColourRange, QTextCharFormat>> formats_;
};

} // namespace rw
