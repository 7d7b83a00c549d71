#include "rules/GroupChoicesView.h"

#include "rules/CheckList.h"
#include "shell/PopupKeys.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace rw {

namespace {

const char kSectionProperty[] = "rwGroupSection";

void Emphasise(QCheckBox* box, bool ticked) {
    QPalette palette = box->palette();
    const QPalette standard = box->parentWidget() ? box->parentWidget()->palette() : QPalette();
    palette.setColor(QPalette::WindowText, ticked ? standard.color(QPalette::Highlight)
                                                  : standard.color(QPalette::ButtonText));
    palette.setColor(QPalette::ButtonText, palette.color(QPalette::WindowText));
    box->setPalette(palette);
}

} // namespace

GroupChoicesView::GroupChoicesView(QWidget* parent) : QWidget(parent) {
    auto* heading = new QLabel(QStringLiteral("グループ内のルール実行条件"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* grid = new QGridLayout;
    auto* left = new QVBoxLayout;
    for (GroupSection section : {GroupSection::Victory, GroupSection::PopulationCap,
                                 GroupSection::Difficulty, GroupSection::MapSize})
        left->addWidget(MakeBoxes(section));
    left->addStretch();
    grid->addLayout(left, 0, 0);
    grid->addWidget(MakeList(GroupSection::MapType), 0, 1);
    grid->addWidget(MakeList(GroupSection::Civilisation), 0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid, 1);
}

QWidget* GroupChoicesView::MakeBoxes(GroupSection section) {
    const GroupSectionInfo& info = SectionInfo(section);
    auto* frame = new QGroupBox(info.heading);
    frame->setProperty(kSectionProperty, int(section));
    frame->installEventFilter(this);
    auto* layout = new QGridLayout(frame);
    // Rows close together, so that all four sections fit beside the lists
    // on a screen 768 pixels high.
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setVerticalSpacing(0);
    const QStringList& captions = ChoiceCaptions(section);
    const int count = GroupSectionSize(section);
    const int columns = count > 5 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        auto* box = new QCheckBox(i < captions.size() ? captions[i] : QString());
        box->setToolTip(box->text());
        box->setProperty(kSectionProperty, int(section));
        box->installEventFilter(this);
        PopupKeys::Install(box, [this, section](const QPoint& at) {
            emit PopupRequested(SectionInfo(section).popupId, at);
        });
        // Every change of state, not only clicks: assistive technology
        // toggles a box without clicking it.
        connect(box, &QCheckBox::stateChanged, this, [this, section, i](int state) {
            if (!syncing_)
                emit ChoiceChanged(section, i,
                                   state == Qt::Checked     ? 1
                                   : state == Qt::Unchecked ? 0
                                                            : 2);
        });
        layout->addWidget(box, i / columns, i % columns);
        boxes_[int(section)] << box;
    }
    return frame;
}

QWidget* GroupChoicesView::MakeList(GroupSection section) {
    const GroupSectionInfo& info = SectionInfo(section);
    auto* frame = new QGroupBox(info.heading);
    auto* list = new CheckList;
    list->setAccessibleName(info.heading);
    list->setProperty(kSectionProperty, int(section));
    list->viewport()->setProperty(kSectionProperty, int(section));
    list->viewport()->installEventFilter(this);
    PopupKeys::Install(list, [this, section](const QPoint& at) {
        emit PopupRequested(SectionInfo(section).popupId, at);
    });
    const QStringList& captions = ChoiceCaptions(section);
    for (int i = 0; i < GroupSectionSize(section); ++i) {
        auto* item = new QListWidgetItem(i < captions.size() ? captions[i] : QString(), list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(list, &QListWidget::itemChanged, this, [this, section, list](QListWidgetItem* item) {
        if (!syncing_)
            emit ChoiceChanged(section, list->row(item), item->checkState() == Qt::Checked ? 1 : 0);
    });
    lists_[int(section)] = list;
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(list);
    return frame;
}

QCheckBox* GroupChoicesView::Box(GroupSection section, int index) const {
    const auto& boxes = boxes_[int(section)];
    return index >= 0 && index < boxes.size() ? boxes[index] : nullptr;
}

QListWidget* GroupChoicesView::List(GroupSection section) const {
    return lists_[int(section)];
}

void GroupChoicesView::Show(const GroupChoices& choices) {
    syncing_ = true;
    for (int s = 0; s < kGroupSectionCount; ++s) {
        const auto section = GroupSection(s);
        for (int i = 0; i < boxes_[s].size(); ++i) {
            QCheckBox* box = boxes_[s][i];
            const int state = choices.State(section, i);
            // A stored state other than 0 and 1 shows greyed, as it was saved.
            box->setTristate(state == 2);
            box->setCheckState(state == 1   ? Qt::Checked
                               : state == 2 ? Qt::PartiallyChecked
                                            : Qt::Unchecked);
            Emphasise(box, choices.IsTicked(section, i));
        }
        if (QListWidget* list = lists_[s]) {
            // A ticked row stands out, bold and in the highlight colour; the
            // others keep the list's own font and colour and carry none of
            // their own, so that they are drawn and measured as plainly as
            // the list can.
            QFont bold;
            bold.setBold(true);
            const QVariant tickedFont = bold;
            const QVariant tickedColour = QBrush(palette().color(QPalette::Highlight));
            for (int i = 0; i < list->count(); ++i) {
                QListWidgetItem* item = list->item(i);
                const bool ticked = choices.IsTicked(section, i);
                item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
                item->setData(Qt::FontRole, ticked ? tickedFont : QVariant());
                item->setData(Qt::ForegroundRole, ticked ? tickedColour : QVariant());
            }
        }
    }
    syncing_ = false;
}

bool GroupChoicesView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QVariant section = watched->property(kSectionProperty);
        if (mouse->button() == Qt::RightButton && section.isValid()) {
            emit PopupRequested(SectionInfo(GroupSection(section.toInt())).popupId,
                                mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rw
