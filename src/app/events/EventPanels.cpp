#include "events/EventPanels.h"

#include "events/FreeEventFrame.h"
#include "events/PanelControls.h"
#include "events/PanelPickers.h"
#include "shell/EditorHost.h"
#include "shell/Icons.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rw {

namespace {

// A panel's frame; the unit and range panels have no caption.
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

const QString kAllocationTip = QStringLiteral("全て足して100%になるようにしてください");

} // namespace

EventPanels::EventPanels(EditorHost& host, CommandMap& commands, QWidget* parent)
    : QStackedWidget(parent), host_(host) {
    AddPage(QStringLiteral("建物を建設するイベント"), BuildingPanel());
    AddPage(QStringLiteral("テクノロジーの研究"), ResearchPanel());
    AddPage(QString(), UnitPanel());
    AddPage(QStringLiteral("資源"), ResourcePanel());
    AddPage(QStringLiteral("攻撃"), AttackPanel());
    AddPage(QString(), RangePanel());
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

template <typename T> T* EventPanels::Own(PanelControl control, T* widget, const QString& name) {
    widget->setObjectName(QStringLiteral("panel.%1").arg(int(control)));
    widget->setAccessibleName(name);
    controls_[int(control)] = widget;
    return widget;
}

QComboBox* EventPanels::Picker(PanelControl control, const QString& name,
                               const QStringList& items) {
    auto* picker = Own(control, new QComboBox, name);
    picker->addItems(items);
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    BindPicker(host_, picker, control);
    return picker;
}

// A number box, and the unit written after it when there is one.
QWidget* EventPanels::Box(PanelControl control, const QString& name, const QString& unit) {
    auto* box = Own(control, new QLineEdit, name);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8 + 12);
    BindBox(host_, box, control);
    if (unit.isEmpty())
        return box;
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    layout->addWidget(Caption(unit));
    layout->addStretch();
    return row;
}

QWidget* EventPanels::BuildingPanel() {
    auto* frame = new QWidget;
    QFormLayout* form = Form(frame);
    QComboBox* building = Picker(PanelControl::BuildingPicker, QStringLiteral("建設する建物"));
    for (const BuildingPickerItem& item : PanelPickers::Buildings())
        building->addItem(Icons::ForBuilding(item.picture), item.text);
    building->setToolTip(QStringLiteral("建設する建物を選択します"));
    form->addRow(Caption(QStringLiteral("建設する建物")), building);
    QComboBox* kind = Picker(PanelControl::BuildingAction, QStringLiteral("イベントの種類"),
                             PanelPickers::BuildingKinds());
    kind->setToolTip(
        QStringLiteral("普通に建てるか、敵の近くに建てるを選ぶことができます（建物により異なる）"));
    form->addRow(Caption(QStringLiteral("イベントの種類")), kind);
    auto* forward = Own(PanelControl::BuildForward, new QCheckBox(QStringLiteral("敵陣に建設")),
                        QStringLiteral("敵陣に建設"));
    BindCheck(host_, forward, PanelControl::BuildForward);
    form->addRow(QString(), forward);
    return frame;
}

QWidget* EventPanels::ResearchPanel() {
    auto* frame = new QWidget;
    QFormLayout* form = Form(frame);
    form->addRow(Caption(QStringLiteral("研究施設")),
                 Picker(PanelControl::ResearchCategory, QStringLiteral("研究施設"),
                        PanelPickers::TechnologyCategories()));
    form->addRow(Caption(QStringLiteral("研究するテクノロジー")),
                 Picker(PanelControl::Technology, QStringLiteral("研究するテクノロジー")));
    return frame;
}

QWidget* EventPanels::UnitPanel() {
    auto* frame = new QWidget;
    QFormLayout* form = Form(frame);
    form->addRow(Caption(QStringLiteral("カテゴリ")),
                 Picker(PanelControl::UnitCategory, QStringLiteral("カテゴリ"),
                        PanelPickers::UnitCategories()));
    form->addRow(Caption(QStringLiteral("対象ユニット")),
                 Picker(PanelControl::Unit, QStringLiteral("対象ユニット")));
    form->addRow(Caption(QStringLiteral("イベントの種類")),
                 Picker(PanelControl::UnitAction, QStringLiteral("イベントの種類"),
                        PanelPickers::UnitKinds()));
    return frame;
}

QWidget* EventPanels::ResourcePanel() {
    auto* frame = new QWidget;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(Labelled(QStringLiteral("イベントの種類"),
                                Picker(PanelControl::ResourceKind, QStringLiteral("イベントの種類"),
                                       PanelPickers::ResourceKinds())));
    kindRow->addWidget(Control(PanelControl::ResourceKind));
    kindRow->addStretch();
    layout->addLayout(kindRow);

    // Gatherer percentages: a box and a spinner per resource, and the total.
    allocation_ = new QWidget;
    auto* grid = new QFormLayout(allocation_);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::array<std::pair<PanelControl, const char16_t*>, 4> boxes = {{
        {PanelControl::WoodBox, u"木"},
        {PanelControl::FoodBox, u"食料"},
        {PanelControl::GoldBox, u"金"},
        {PanelControl::StoneBox, u"石"},
    }};
    for (int i = 0; i < 4; ++i) {
        const PanelControl control = boxes[i].first;
        const QString name = QString::fromUtf16(boxes[i].second);
        auto* box = Own(control, new QLineEdit, name);
        box->setToolTip(kAllocationTip);
        box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 12);
        BindBox(host_, box, control);
        auto* spinner = new QSpinBox;
        spinner->setObjectName(QStringLiteral("panel.spinner.%1").arg(i));
        spinner->setAccessibleName(name + QStringLiteral("の割合"));
        spinner->setRange(0, 100);
        spinner->setToolTip(kAllocationTip);
        spinner->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        // A number typed into the spinner counts once it is left, as in the
        // box beside it; the arrows count at once.
        spinner->setKeyboardTracking(false);
        connect(spinner, &QSpinBox::valueChanged, this, [this, control](int value) {
            if (!host_.Refreshing())
                host_.Report([this, control, value] {
                    return host_.Work().ChangePanel(control, QString::number(value));
                });
        });
        spinners_[i] = spinner;
        auto* row = new QHBoxLayout;
        row->addWidget(box);
        row->addWidget(Caption(QStringLiteral("％")));
        row->addWidget(spinner);
        row->addStretch();
        grid->addRow(Labelled(name, box), row);
    }
    total_ = new QLabel;
    total_->setObjectName(QStringLiteral("panel.total"));
    grid->addRow(QString(), total_);
    layout->addWidget(allocation_);

    // The market.
    market_ = new QWidget;
    QFormLayout* form = Form(market_);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(Caption(QStringLiteral("行動の選択")),
                 Picker(PanelControl::MarketAction, QStringLiteral("行動の選択"),
                        PanelPickers::MarketActions()));
    form->addRow(Caption(QStringLiteral("対象資源")),
                 Picker(PanelControl::MarketResource, QStringLiteral("対象資源"),
                        PanelPickers::MarketResources()));
    form->addRow(Caption(QStringLiteral("量")),
                 Box(PanelControl::MarketAmount, QStringLiteral("量")));
    layout->addWidget(market_);
    layout->addStretch();
    return frame;
}

QWidget* EventPanels::AttackPanel() {
    auto* frame = new QWidget;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* kind =
        Picker(PanelControl::AttackKind, QStringLiteral("攻撃の種類"), PanelPickers::AttackKinds());
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(Labelled(QStringLiteral("攻撃の種類"), kind));
    kindRow->addWidget(kind);
    kindRow->addStretch();
    layout->addLayout(kindRow);

    auto* percent = new QGroupBox;
    percentFrame_ = percent;
    auto* percentRow = new QHBoxLayout(Body(percent));
    percentRow->setContentsMargins(6, 6, 6, 6);
    percentRow->addWidget(
        Box(PanelControl::AttackPercent, QStringLiteral("攻撃する割合"), QStringLiteral("％")));
    layout->addWidget(percent);

    auto* groups = new QGroupBox;
    groupFrame_ = groups;
    QFormLayout* form = Form(Body(groups));
    form->addRow(Caption(QStringLiteral("グループ数")),
                 Box(PanelControl::GroupCount, QStringLiteral("グループ数")));
    form->addRow(Caption(QStringLiteral("最小人数／グループ")),
                 Box(PanelControl::GroupMin, QStringLiteral("最小人数／グループ")));
    form->addRow(Caption(QStringLiteral("最大人数／グループ")),
                 Box(PanelControl::GroupMax, QStringLiteral("最大人数／グループ")));
    layout->addWidget(groups);
    layout->addStretch();
    return frame;
}

QWidget* EventPanels::RangePanel() {
    auto* frame = new QWidget;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* kindRow = new QHBoxLayout;
    QComboBox* kind =
        Picker(PanelControl::RangeKind, QStringLiteral("範囲の種類"), PanelPickers::RangeKinds());
    kindRow->addWidget(Labelled(QStringLiteral("範囲の種類"), kind));
    kindRow->addWidget(kind);
    kindRow->addWidget(
        Box(PanelControl::Distance, QStringLiteral("距離"), QStringLiteral("タイル")));
    kindRow->addStretch();
    layout->addLayout(kindRow);
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
    layout->addStretch();
    return frame;
}

void EventPanels::Refresh() {
    const Workspace& work = host_.Work();
    const int category = work.CurrentCategory();
    setCurrentIndex(category - 1);
    const PanelView& view = work.Panel();
    QTreeWidget* list = EventList();

    // Rows of the event list: rebuilt only when they changed.
    bool same = list->topLevelItemCount() == view.eventRows.size();
    for (int i = 0; same && i < view.eventRows.size(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        same = item->text(0) == view.eventRows[i].command &&
               item->text(1) == view.eventRows[i].comment;
    }
    if (!same) {
        list->clear();
        QList<QTreeWidgetItem*> items;
        for (const EventListRow& row : view.eventRows)
            items << new QTreeWidgetItem({row.command, row.comment});
        list->addTopLevelItems(items);
    }

    // The free-event commands follow the selection in every category.
    freeEvents_->Refresh();
    if (category == kCategoryCount)
        return;
    ShowItems(static_cast<QComboBox*>(Control(PanelControl::Technology)), view.technologyItems);
    ShowItems(static_cast<QComboBox*>(Control(PanelControl::Unit)), view.unitItems);
    for (int c = 0; c < kPanelControlCount; ++c)
        if (controls_[c])
            ShowControl(controls_[c], view.controls[c]);
    for (int i = 0; i < 4; ++i)
        if (spinners_[i]->value() != view.spinners[i])
            spinners_[i]->setValue(view.spinners[i]);
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
