#include "builder/ScriptView.h"

#include "builder/ScriptViewAccessible.h"
#include "model/ScriptLines.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <vector>

namespace rw {

namespace {

constexpr qreal kMargin = 4;
// Wide enough for any line: lines never wrap.
constexpr qreal kUnbounded = 1e6;
constexpr int kAutoScrollMs = 50;
constexpr int kHorizontalStep = 20;

bool InWord(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-');
}

} // namespace

ScriptView::ScriptView(const PreviewText& text, QWidget* parent)
    : QAbstractScrollArea(parent), coloured_(text.coloured) {
    InstallScriptViewAccessibility();
    // The lines joined by LF, however they were ended.
    lines_ = SplitLines(text.content);
    qsizetype size = lines_.size() - 1;
    for (const QStringView line : std::as_const(lines_))
        size += line.size();
    text_.resize(size);
    QChar* out = text_.data();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QStringView line = lines_[i];
        std::copy(line.begin(), line.end(), out);
        lines_[i] = QStringView(out, line.size());
        out += line.size();
        if (i + 1 < lines_.size())
            *out++ = QLatin1Char('\n');
    }
    viewport()->setCursor(Qt::IBeamCursor);
    setAccessibleName(QStringLiteral("スクリプト"));
}

ScriptView::~ScriptView() = default;

void ScriptView::SetBold(bool bold) {
    bold_ = bold;
    formats_.clear();
    layouts_.clear();
    viewport()->update();
}

std::pair<qsizetype, qsizetype> ScriptView::Selection() const {
    return {std::min(anchor_, position_), std::max(anchor_, position_)};
}

QString ScriptView::SelectedText() const {
    const auto [from, to] = Selection();
    return text_.mid(from, to - from);
}

void ScriptView::Select(qsizetype anchor, qsizetype position) {
    anchor_ = std::clamp<qsizetype>(anchor, 0, text_.size());
    position_ = std::clamp<qsizetype>(position, 0, text_.size());
    viewport()->update();
}

void ScriptView::SelectAll() {
    Select(0, text_.size());
    OfferSelection();
}

void ScriptView::Copy() const {
    const QString selected = SelectedText();
    if (!selected.isEmpty())
        QApplication::clipboard()->setText(selected);
}

// The X11 primary selection, pasted with the middle button.
void ScriptView::OfferSelection() const {
    QClipboard* clipboard = QApplication::clipboard();
    const auto [from, to] = Selection();
    if (clipboard->supportsSelection() && from < to)
        clipboard->setText(SelectedText(), QClipboard::Selection);
}

ScriptView::CharStyle ScriptView::StyleAt(qsizetype position) const {
    const int line = LineOf(position);
    const qsizetype at = position - LineStart(line);
    CharStyle style{palette().color(QPalette::Text), false};
    for (const QTextLayout::FormatRange& range : Layout(line).formats())
        if (at >= range.start && at < range.start + range.length)
            style = {range.format.foreground().color(), range.format.fontWeight() == QFont::Bold};
    return style;
}

int ScriptView::LineOf(qsizetype offset) const {
    const auto after = std::upper_bound(lines_.begin(), lines_.end(), offset,
                                        [this](qsizetype at, QStringView line) {
                                            return at < line.constData() - text_.constData();
                                        });
    return std::max(0, int(after - lines_.begin()) - 1);
}

qsizetype ScriptView::LineStart(int line) const {
    return lines_[line].constData() - text_.constData();
}

int ScriptView::VisibleLines() const {
    if (lineHeight_ <= 0)
        return 1;
    return std::max(1, int((viewport()->height() - kMargin) / lineHeight_));
}

QPointF ScriptView::LineOrigin(int line) const {
    return {kMargin - horizontalScrollBar()->value(),
            TopMargin() + (line - verticalScrollBar()->value()) * lineHeight_};
}

// The margin above the text; once scrolled, the top line starts at the top.
qreal ScriptView::TopMargin() const {
    return verticalScrollBar()->value() == 0 ? kMargin : 0;
}

qsizetype ScriptView::OffsetAt(QPoint point) const {
    if (widest_ < 0)
        const_cast<ScriptView*>(this)->Remeasure();
    const int row = int(std::floor((point.y() - TopMargin()) / lineHeight_));
    const int line = std::clamp(verticalScrollBar()->value() + row, 0, int(lines_.size()) - 1);
    const int column = Layout(line).lineAt(0).xToCursor(point.x() - LineOrigin(line).x());
    return LineStart(line) + column;
}

QRect ScriptView::CharacterRect(qsizetype offset) const {
    const int line = LineOf(offset);
    const int column = int(offset - LineStart(line));
    const QTextLine row = Layout(line).lineAt(0);
    const qreal left = row.cursorToX(column);
    const qreal right = column < lines_[line].size()
                            ? row.cursorToX(column + 1)
                            : left + QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' '));
    const QPointF origin = LineOrigin(line);
    return QRectF(origin.x() + left, origin.y(), right - left, lineHeight_).toRect();
}

void ScriptView::ScrollTo(qsizetype offset) {
    const int line = LineOf(offset);
    QScrollBar* lines = verticalScrollBar();
    if (line < lines->value())
        lines->setValue(line);
    else if (line >= lines->value() + VisibleLines())
        lines->setValue(line - VisibleLines() + 1);
    const QRect rect = CharacterRect(offset);
    QScrollBar* columns = horizontalScrollBar();
    if (rect.left() < kMargin)
        columns->setValue(columns->value() + rect.left() - int(kMargin));
    else if (rect.right() > viewport()->width() - kMargin)
        columns->setValue(columns->value() + rect.right() - viewport()->width() + int(kMargin));
}

// The line height and the widest line, from the font: each character's
// advance summed, tabs to their stops, which is what a line of a fixed-pitch
// font lays out to; a line found wider when painted widens the range.
void ScriptView::Remeasure() {
    layouts_.clear();
    const QFontMetricsF metrics(font(), viewport());
    QTextLayout sample(QStringLiteral("(defrule あ漢■"), font(), viewport());
    sample.beginLayout();
    const QTextLine row = sample.createLine();
    sample.endLayout();
    ascent_ = std::max(row.ascent(), metrics.ascent());
    lineHeight_ = std::ceil(ascent_ + std::max(row.descent(), metrics.descent()));

    // In 64ths of a pixel, the unit of the font's advances, so the sums are
    // exact and cheap.
    const auto advance = [&metrics](QStringView text) {
        return qint64(std::lround(metrics.horizontalAdvance(text.toString()) * 64));
    };
    std::vector<qint32> advances(0x10000, -1);
    const qint64 tab = std::lround(QTextOption().tabStopDistance() * 64);
    qint64 widest = 0;
    for (const QStringView line : std::as_const(lines_)) {
        qint64 x = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const char16_t c = line[i].unicode();
            if (c == u'\t') {
                x = (x / tab + 1) * tab;
            } else if (QChar::isHighSurrogate(c) && i + 1 < line.size()) {
                x += advance(line.mid(i, 2));
                ++i;
            } else {
                if (advances[c] < 0)
                    advances[c] = qint32(advance(line.mid(i, 1)));
                x += advances[c];
            }
        }
        widest = std::max(widest, x);
    }
    widest_ = widest / 64.0;
}

void ScriptView::UpdateScrollBars() {
    if (widest_ < 0)
        Remeasure();
    const int visible = VisibleLines();
    QScrollBar* lines = verticalScrollBar();
    lines->setRange(0, std::max(0, int(lines_.size()) - visible));
    lines->setPageStep(visible);
    lines->setSingleStep(1);
    const int width = int(widest_ + 2 * kMargin);
    QScrollBar* columns = horizontalScrollBar();
    columns->setRange(0, std::max(0, width - viewport()->width()));
    columns->setPageStep(viewport()->width());
    columns->setSingleStep(kHorizontalStep);
}

QTextLayout& ScriptView::Layout(int line) const {
    if (widest_ < 0)
        const_cast<ScriptView*>(this)->Remeasure();
    std::unique_ptr<QTextLayout>& slot = layouts_[line];
    if (slot)
        return *slot;
    const QStringView text = lines_[line];
    slot = std::make_unique<QTextLayout>(text.toString(), font(), viewport());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    slot->setTextOption(option);
    slot->setCacheEnabled(true);
    if (coloured_) {
        // No colour reaches across a line break, so a line's runs are those
        // of the whole text that fall on it.
        QList<QTextLayout::FormatRange> ranges;
        for (const ColourRange& run : ColourRuns(text, line + 1 < lines_.size()))
            ranges.append({run.start, run.length, FormatOf(run)});
        slot->setFormats(ranges);
    }
    slot->beginLayout();
    QTextLine row = slot->createLine();
    if (row.isValid()) {
        row.setLineWidth(kUnbounded);
        // One baseline for every line, whichever fonts it draws with.
        row.setPosition(QPointF(0, ascent_ - row.ascent()));
    }
    slot->endLayout();
    return *slot;
}

QTextCharFormat ScriptView::FormatOf(const ColourRange& run) const {
    for (const auto& [style, format] : formats_)
        if (style.bold == run.bold && style.rgb == run.rgb)
            return format;
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(QRgb(run.rgb)));
    format.setFontWeight(run.bold && bold_ ? QFont::Bold : QFont::Normal);
    formats_.append({run, format});
    return format;
}

// A selected line break is one character past the line's text; the layout
// draws it as a short blank.
QList<QTextLayout::FormatRange> ScriptView::SelectionOn(int line) const {
    const auto [from, to] = Selection();
    const qsizetype start = LineStart(line);
    const qsizetype end = start + lines_[line].size() + (line + 1 < lines_.size() ? 1 : 0);
    if (from >= to || to <= start || from >= end)
        return {};
    QTextCharFormat format;
    format.setBackground(palette().brush(QPalette::Highlight));
    format.setForeground(palette().brush(QPalette::HighlightedText));
    const qsizetype a = std::max(from, start), b = std::min(to, end);
    return {{int(a - start), int(b - a), format}};
}

void ScriptView::paintEvent(QPaintEvent*) {
    if (widest_ < 0)
        UpdateScrollBars();
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    qreal widest = widest_;
    decltype(layouts_) shown;
    for (int line = verticalScrollBar()->value(); line < lines_.size(); ++line) {
        const QPointF origin = LineOrigin(line);
        if (origin.y() >= viewport()->height())
            break;
        QTextLayout& layout = Layout(line);
        layout.draw(&painter, origin, SelectionOn(line));
        widest = std::max(widest, layout.lineAt(0).naturalTextWidth());
        shown[line] = std::move(layouts_[line]);
    }
    layouts_.swap(shown);
    if (widest > widest_) {
        // Not while painting: the scroll bar may come or go.
        widest_ = widest;
        QMetaObject::invokeMethod(this, &ScriptView::UpdateScrollBars, Qt::QueuedConnection);
    }
}

void ScriptView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void ScriptView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        widest_ = -1;
        UpdateScrollBars();
        viewport()->update();
    }
}

void ScriptView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        Copy();
    } else if (shift && ExtendSelection(event->key(), event->modifiers() & Qt::ControlModifier)) {
        // the end of the selection moved
    } else if (!shift && event->key() == Qt::Key_Home) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (!shift && event->key() == Qt::Key_End) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

// Shift with an arrow, Page Up/Down, Home or End moves the end of the
// selection; up and down keep to the same place across the screen.
bool ScriptView::ExtendSelection(int key, bool wholeText) {
    const int line = LineOf(position_);
    const qsizetype start = LineStart(line);
    const qsizetype column = position_ - start;
    const auto onLine = [&](int target) {
        target = std::clamp(target, 0, int(lines_.size()) - 1);
        const qreal x = Layout(line).lineAt(0).cursorToX(int(column));
        return LineStart(target) + Layout(target).lineAt(0).xToCursor(x);
    };
    qsizetype to = position_;
    switch (key) {
    case Qt::Key_Left:
        to = std::max<qsizetype>(0, to - 1);
        if (to > 0 && text_.at(to).isLowSurrogate())
            --to;
        break;
    case Qt::Key_Right:
        to = std::min(text_.size(), to + 1);
        if (to < text_.size() && text_.at(to).isLowSurrogate())
            ++to;
        break;
    case Qt::Key_Up:
        to = onLine(line - 1);
        break;
    case Qt::Key_Down:
        to = onLine(line + 1);
        break;
    case Qt::Key_PageUp:
        to = onLine(line - VisibleLines());
        break;
    case Qt::Key_PageDown:
        to = onLine(line + VisibleLines());
        break;
    case Qt::Key_Home:
        to = wholeText ? 0 : start;
        break;
    case Qt::Key_End:
        to = wholeText ? text_.size() : start + lines_[line].size();
        break;
    default:
        return false;
    }
    Select(anchor_, to);
    ScrollTo(to);
    OfferSelection();
    return true;
}

void ScriptView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    const qsizetype at = OffsetAt(point);
    Select(event->modifiers() & Qt::ShiftModifier ? anchor_ : at, at);
    dragging_ = true;
    dragPoint_ = point;
}

void ScriptView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton))
        return;
    DragTo(event->position().toPoint());
    if (viewport()->rect().contains(dragPoint_))
        autoScroll_.stop();
    else if (!autoScroll_.isActive())
        autoScroll_.start(kAutoScrollMs, this);
}

void ScriptView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    autoScroll_.stop();
    OfferSelection();
}

void ScriptView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const qsizetype at = OffsetAt(event->position().toPoint());
    qsizetype start = at, end = at;
    while (start > 0 && InWord(text_.at(start - 1)))
        --start;
    while (end < text_.size() && InWord(text_.at(end)))
        ++end;
    Select(start, end);
    OfferSelection();
}

// While a drag is held outside the text, the text scrolls towards it.
void ScriptView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != autoScroll_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    const QRect inside = viewport()->rect();
    QScrollBar* lines = verticalScrollBar();
    QScrollBar* columns = horizontalScrollBar();
    if (dragPoint_.y() < inside.top())
        lines->setValue(lines->value() - 1);
    else if (dragPoint_.y() > inside.bottom())
        lines->setValue(lines->value() + 1);
    if (dragPoint_.x() < inside.left())
        columns->setValue(columns->value() - kHorizontalStep);
    else if (dragPoint_.x() > inside.right())
        columns->setValue(columns->value() + kHorizontalStep);
    DragTo(dragPoint_);
}

void ScriptView::DragTo(QPoint point) {
    dragPoint_ = point;
    Select(anchor_, OffsetAt(point));
}

// The menu of a read-only text box, in Qt's own words (translated with Qt).
void ScriptView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const auto withKeys = [](const char* text, QKeySequence::StandardKey keys) {
        return QCoreApplication::translate("QWidgetTextControl", text) + QLatin1Char('\t') +
               QKeySequence(keys).toString(QKeySequence::NativeText);
    };
    const auto [from, to] = Selection();
    menu.addAction(withKeys("&Copy", QKeySequence::Copy), this, [this] { Copy(); })
        ->setEnabled(from < to);
    menu.addSeparator();
    menu.addAction(withKeys("Select All", QKeySequence::SelectAll), this, [this] { SelectAll(); })
        ->setEnabled(!text_.isEmpty());
    menu.exec(event->globalPos());
}

} // namespace rw
