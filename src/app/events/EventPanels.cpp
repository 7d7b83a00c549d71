#include "events/EventPanels.h"

#include "events/FreeEventFrame.h"
#include "events/PanelControls.h"
#include "shell/EditorHost.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rw {

namespace {

// A category's frame, under its caption.
QGroupBox* Frame(const QString& caption) {
    auto* frame = new QGroupBox(caption);
    return frame;
}

// The inside of a frame. Controls stand in it rather than in the frame
// itself, so that a screen reader names each by its own label and not by
// the frame's caption.
QWidget* Body(QGroupBox* frame) {
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* body = new QWidget;
    layout->addWidget(body);
    return body;
}

QFormLayout* Form(QWidget* parent) {
    auto* form = new QFormLayout(parent);
    form->setContentsMargins(6, 6, 6, 6);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    return form;
}

QLabel* Caption(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    return label;
}

// A caption that names the control after it, for the eye and for screen
// readers alike.
QLabel* Labelled(const QString& text, QWidget* control) {
    QLabel* label = Caption(text);
    label->setBuddy(control);
    return label;
}

// The frames' captions; the unit and range panels have none.
const char16_t* const kPageCaptions[] = {
    u"建物を建設するイベント", u"テクノロジーの研究", nullptr, u"資源", u"攻撃", nullptr};

} // namespace

EventPanels::EventPanels(EditorHost& host, CommandMap& commands, QWidget* parent)
    : QStackedWidget(parent), host_(host) {
    for (int category = 1; category < kFreeCategory; ++category)
        AddPage(RowText(kPageCaptions[category - 1]), MakePanel(category));
    freeEvents_ = new FreeEventFrame(host, commands);
    AddPage(QStringLiteral("イベント"), freeEvents_);
}

// A category's frame: its controls with the event list beside them (below
// them for free events, whose tree wants the width).
void EventPanels::AddPage(const QString& caption, QWidget* controls) {
    const int category = count() + 1;
    auto* list = new QTreeWidget;
    list->setObjectName(QStringLiteral("eventList.%1").arg(category));
    list->setAccessibleName(QStringLiteral("イベントの一覧"));
    list->setRootIsDecorated(false);
    list->setColumnCount(2);
    list->setHeaderLabels({QStringLiteral("命令"), QStringLiteral("コメント")});
    list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    eventLists_[category - 1] = list;

    QGroupBox* frame = Frame(caption);
    QBoxLayout* layout =
        category == kCategoryCount ? static_cast<QBoxLayout*>(new QVBoxLayout) : new QHBoxLayout;
    auto* body = Body(frame);
    body->setLayout(layout);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(controls, category == kCategoryCount ? 2 : 0);
    layout->addWidget(list, 1);
    addWidget(frame);
}

QTreeWidget* EventPanels::EventList() const {
    return eventLists_[currentIndex() < 0 ? 0 : currentIndex()];
}

// A category's controls: a form when every one stands in it, otherwise the
// head row over the places its controls stand in.
QWidget* EventPanels::MakePanel(int category) {
    QList<const PanelControlRow*> rows;
    for (const PanelControlRow& row : PanelControlRows())
        if (row.category == category)
            rows << &row;
    auto placed = [&rows](PanelPlace place) {
        QList<const PanelControlRow*> in;
        for (const PanelControlRow* row : rows)
            if (row->place == place)
                in << row;
        return in;
    };

    auto* panel = new QWidget;
    if (placed(PanelPlace::Form).size() == rows.size()) {
        QFormLayout* form = Form(panel);
        for (const PanelControlRow* row : rows)
            AddToForm(form, *row);
        return panel;
    }
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 6, 6, 6);
    if (const auto head = placed(PanelPlace::Head); !head.isEmpty()) {
        auto* line = new QHBoxLayout;
        for (const PanelControlRow* row : head)
            AddToRow(line, *row);
        line->addStretch();
        layout->addLayout(line);
    }
    for (const PanelPlace place : {PanelPlace::Form, PanelPlace::Allocation, PanelPlace::Market,
                                   PanelPlace::PercentFrame, PanelPlace::GroupFrame})
        if (const auto in = placed(place); !in.isEmpty())
            layout->addWidget(MakePlace(place, in));
    if (category == kRangeCategory)
        AddRangeNotes(layout);
    layout->addStretch();
    return panel;
}

// One place of a panel with its controls. The resource panel's two and the
// attack panel's two frames are shown by turns.
QWidget* EventPanels::MakePlace(PanelPlace place, const QList<const PanelControlRow*>& rows) {
    if (place == PanelPlace::PercentFrame) {
        auto* frame = new QGroupBox;
        auto* line = new QHBoxLayout(Body(frame));
        line->setContentsMargins(6, 6, 6, 6);
        for (const PanelControlRow* row : rows)
            AddToRow(line, *row);
        percentFrame_ = frame;
        return frame;
    }
    if (place == PanelPlace::GroupFrame) {
        auto* frame = new QGroupBox;
        QFormLayout* form = Form(Body(frame));
        for (const PanelControlRow* row : rows)
            AddToForm(form, *row);
        groupFrame_ = frame;
        return frame;
    }
    auto* body = new QWidget;
    if (place == PanelPlace::Allocation) {
        // A box and a spinner per resource, and the total.
        auto* grid = new QFormLayout(body);
        grid->setContentsMargins(0, 0, 0, 0);
        for (const PanelControlRow* row : rows) {
            if (row->kind == ControlKind::Spinner)
                AddWithSpinner(grid, *row);
            else
                AddToForm(grid, *row);
        }
        total_ = new QLabel;
        total_->setObjectName(QStringLiteral("panel.total"));
        grid->addRow(QString(), total_);
        allocation_ = body;
        return body;
    }
    QFormLayout* form = Form(body);
    form->setContentsMargins(0, 0, 0, 0);
    for (const PanelControlRow* row : rows)
        AddToForm(form, *row);
    if (place == PanelPlace::Market)
        market_ = body;
    return body;
}

// A control of the panels, made from its row, and what stands in its place:
// the control, or a box with its unit written after it.
QWidget* EventPanels::Make(const PanelControlRow& row) {
    QWidget* control = MakeControl(host_, row);
    control->setObjectName(QStringLiteral("panel.%1").arg(int(row.control)));
    controls_[int(row.control)] = control;
    if (!row.unit || row.kind == ControlKind::Spinner)
        return control;
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
    layout->addWidget(Caption(RowText(row.unit)));
    layout->addStretch();
    return line;
}

// A row of a form: the caption, then the control (a check box is its own
// caption).
void EventPanels::AddToForm(QFormLayout* form, const PanelControlRow& row) {
    QWidget* control = Make(row);
    if (row.kind == ControlKind::Check)
        form->addRow(QString(), control);
    else
        form->addRow(Caption(RowText(row.caption)), control);
}

// Along a row: the caption, naming the control after it, then the control.
void EventPanels::AddToRow(QBoxLayout* line, const PanelControlRow& row) {
    QWidget* control = Make(row);
    if (row.caption && row.kind != ControlKind::Check)
        line->addWidget(Labelled(RowText(row.caption), Control(row.control)));
    line->addWidget(control);
}

// A box, its unit and the spinner that follows it, under the box's caption.
void EventPanels::AddWithSpinner(QFormLayout* grid, const PanelControlRow& row) {
    QWidget* box = Make(row);
    QSpinBox* spinner = MakeSpinner(host_, row);
    spinner->setObjectName(QStringLiteral("panel.spinner.%1").arg(spinners_.size()));
    spinners_ << spinner;
    spinnerOf_[int(row.control)] = spinner;
    auto* line = new QHBoxLayout;
    line->addWidget(box);
    line->addWidget(Caption(RowText(row.unit)));
    line->addWidget(spinner);
    line->addStretch();
    grid->addRow(Labelled(RowText(row.caption), box), line);
}

// What the chosen range means, under the range panel's head row.
void EventPanels::AddRangeNotes(QBoxLayout* layout) {
    rangeHeading_ = new QLabel;
    rangeHeading_->setObjectName(QStringLiteral("panel.rangeHeading"));
    QFont bold = rangeHeading_->font();
    bold.setBold(true);
    rangeHeading_->setFont(bold);
    rangeHelp_ = new QLabel;
    rangeHelp_->setObjectName(QStringLiteral("panel.rangeHelp"));
    rangeHelp_->setWordWrap(true);
    layout->addWidget(rangeHeading_);
    layout->addWidget(rangeHelp_);
}

void EventPanels::Refresh() {
    const Workspace& work = host_.Work();
    const int category = work.CurrentCategory();
    setCurrentIndex(category - 1);
    const PanelView& view = work.Panel();
    ShowEventRows(view.eventRows);
    // The free-event commands follow the selection in every category.
    freeEvents_->Refresh();
    if (category == kCategoryCount)
        return;
    ShowControls(view);
    ShowPlaces(view);
}

// The rows of the event list, rebuilt only when they changed.
void EventPanels::ShowEventRows(const QList<EventListRow>& rows) {
    QTreeWidget* list = EventList();
    bool same = list->topLevelItemCount() == rows.size();
    for (int i = 0; same && i < rows.size(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        same = item->text(0) == rows[i].command && item->text(1) == rows[i].comment;
    }
    if (same)
        return;
    list->clear();
    QList<QTreeWidgetItem*> items;
    for (const EventListRow& row : rows)
        items << new QTreeWidgetItem({row.command, row.comment});
    list->addTopLevelItems(items);
}

void EventPanels::ShowControls(const PanelView& view) {
    for (const PanelControlRow& row : PanelControlRows()) {
        QWidget* control = Control(row.control);
        if (!control) // a rule option, in the options bar
            continue;
        const ControlState& state = view.At(row.control);
        if (row.refill)
            ShowItems(static_cast<QComboBox*>(control), state.items);
        ShowControl(control, state);
        QSpinBox* spinner = spinnerOf_[int(row.control)];
        if (spinner && spinner->value() != state.spinner)
            spinner->setValue(state.spinner);
    }
}

void EventPanels::ShowPlaces(const PanelView& view) {
    total_->setText(view.totalLabel);
    allocation_->setVisible(view.allocationShown);
    market_->setVisible(view.marketShown);
    percentFrame_->setVisible(view.percentFrameShown);
    groupFrame_->setVisible(view.groupFrameShown);
    rangeHeading_->setText(view.rangeHeading);
    QString help = view.rangeHelp;
    rangeHelp_->setText(help.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

} // namespace rw
