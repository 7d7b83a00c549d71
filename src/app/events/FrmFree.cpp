#include "events/FrmFree.h"

#include "events/FreeEventEditor.h"
#include "events/PanelState.h"
#include "shell/Dialogs.h"
#include "shell/Icons.h"
#include "vocabulary/Vocabulary.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace rw {
namespace {

// Replaces the items only when they differ, so a refill does not disturb
// a picker that already shows the right list.
void SetItems(QComboBox* picker, const QStringList& items) {
    QStringList shown;
    for (int i = 0; i < picker->count(); ++i)
        shown << picker->itemText(i);
    if (shown == items)
        return;
    picker->clear();
    picker->addItems(items);
}

void SetText(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
}

QWidget* WithSuffix(QWidget* box, QLabel* suffix) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    layout->addWidget(suffix);
    layout->addStretch(1);
    return row;
}

QLabel* Suffix(const QString& text) {
    return new QLabel(text);
}

} // namespace

void FrmFree::Add(Workspace& work, Dialogs& dialogs) {
    if (work.CurrentCategory() != kFreeCategory || work.SelectedKind() != NodeKind::Rule)
        return;
    const Notice notice = work.OpenFreeEventForAdd();
    if (!notice.IsEmpty()) {
        dialogs.Inform(notice);
        return;
    }
    Show(work, dialogs);
}

void FrmFree::Edit(Workspace& work, Dialogs& dialogs) {
    if (work.OpenFreeEventForChange())
        Show(work, dialogs);
}

void FrmFree::Show(Workspace& work, Dialogs& dialogs) {
    FrmFree dialog(work, dialogs, dialogs.Parent());
    dialogs.Run(dialog);
    // A dialog that ended some other way counts as closed with the close box.
    if (!dialog.Settled())
        work.CloseFreeEventEditor();
}

FrmFree::FrmFree(Workspace& work, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), work_(work), dialogs_(dialogs), editor_(work.FreeEventEditorModel()) {
    // Filling the pickers must not reach the model: it may hold the inputs
    // of a dialog closed with the close box. Sync() lifts this.
    syncing_ = true;
    setObjectName(QStringLiteral("FrmFree"));
    setWindowTitle(QStringLiteral("フリーイベント"));
    setModal(true);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("kinds"));
    const QStringList kinds = FreeEventEditor::KindCaptions();
    QWidget* (FrmFree::*builders[])() = {
        &FrmFree::BuildChat,     &FrmFree::BuildBuilding,  &FrmFree::BuildResearch,
        &FrmFree::BuildUnit,     &FrmFree::BuildResource,  &FrmFree::BuildAttack,
        &FrmFree::BuildRange,    &FrmFree::BuildExplore,   &FrmFree::BuildStrategic,
        &FrmFree::BuildVariable, &FrmFree::BuildDiplomacy, &FrmFree::BuildTimer,
    };
    for (int k = 0; k < FreeEventEditor::kKindCount; ++k)
        tabs_->addTab((this->*builders[k])(), kinds.value(k));
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int index) { Change([this, index] { editor_.SelectKind(index + 1); }); });

    auto* preview = new QGroupBox(QStringLiteral("プレビュー"));
    auto* previewLayout = new QFormLayout(preview);
    caption_ = new QLabel;
    caption_->setObjectName(QStringLiteral("preview.caption"));
    command_ = new QLabel;
    command_->setObjectName(QStringLiteral("preview.command"));
    related_ = new QLabel;
    related_->setObjectName(QStringLiteral("preview.related"));
    for (QLabel* label : {caption_, command_, related_})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    previewLayout->addRow(QStringLiteral("イベント:"), caption_);
    previewLayout->addRow(QStringLiteral("コマンド:"), command_);
    previewLayout->addRow(QStringLiteral("関連条件:"), related_);

    confirm_ = new QPushButton;
    confirm_->setObjectName(QStringLiteral("confirm"));
    confirm_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("キャンセル"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(confirm_, &QPushButton::clicked, this, &FrmFree::Confirm);
    connect(cancel_, &QPushButton::clicked, this, &FrmFree::CancelPressed);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(preview);
    layout->addLayout(buttons);

    Sync();
    // Wide enough to show all twelve tabs without scrolling.
    resize(qMax(560, tabs_->tabBar()->sizeHint().width() + 40), sizeHint().height());
}

// --- binding -----------------------------------------------------------------

QComboBox* FrmFree::Picker(const QString& name, const std::function<void(int)>& set) {
    auto* picker = new QComboBox;
    picker->setObjectName(name);
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(picker, &QComboBox::currentIndexChanged, this, [this, set](int index) {
        if (index >= 0)
            Change([&set, index] { set(index); });
    });
    return picker;
}

QLineEdit* FrmFree::Box(const QString& name, const std::function<void(const QString&)>& set) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    connect(box, &QLineEdit::textEdited, this,
            [this, set](const QString& text) { Change([&set, &text] { set(text); }); });
    return box;
}

void FrmFree::Change(const std::function<void()>& change) {
    if (syncing_)
        return;
    change();
    Sync();
}

void FrmFree::Sync() {
    syncing_ = true;
    tabs_->setCurrentIndex(editor_.CurrentKind() - 1);
    for (const std::function<void()>& sync : syncs_)
        sync();
    const FreeEventPreview preview = editor_.Preview();
    caption_->setText(preview.caption);
    command_->setText(preview.command);
    related_->setText(preview.relatedCaption.isEmpty()
                          ? QString()
                          : preview.relatedCaption + QStringLiteral(" / ") + preview.relatedFact);
    confirm_->setText(editor_.ConfirmCaption());
    syncing_ = false;
}

void FrmFree::Confirm() {
    const Notice notice = work_.ConfirmFreeEvent();
    if (!notice.IsEmpty()) {
        dialogs_.Inform(notice);
        return;
    }
    settled_ = true;
    done(QDialog::Accepted);
}

void FrmFree::CancelPressed() {
    work_.CancelFreeEvent();
    settled_ = true;
    done(QDialog::Rejected);
}

void FrmFree::reject() {
    if (!settled_) {
        work_.CloseFreeEventEditor();
        settled_ = true;
    }
    QDialog::reject();
}

// --- the twelve kinds ----------------------------------------------------------

QWidget* FrmFree::BuildChat() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* target =
        Picker(QStringLiteral("chat.target"), [this](int i) { editor_.SetChatTarget(i); });
    target->addItems(FreeEventEditor::ChatTargets());
    QLineEdit* text =
        Box(QStringLiteral("chat.text"), [this](const QString& t) { editor_.SetChatText(t); });
    form->addRow(QStringLiteral("対象"), target);
    form->addRow(text);
    form->addRow(new QLabel(FreeEventEditor::ChatForbiddenLabel()));
    syncs_ << [this, target, text] {
        target->setCurrentIndex(editor_.ChatTarget());
        SetText(text, editor_.ChatText());
    };
    return page;
}

QWidget* FrmFree::BuildBuilding() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* building =
        Picker(QStringLiteral("building.picker"), [this](int i) { editor_.SetBuilding(i); });
    building->setToolTip(QStringLiteral("建設する建物を選択します"));
    for (const BuildingPickerItem& item : BuildingPickerItems())
        building->addItem(Icons::ForBuilding(item.picture), item.text);
    QComboBox* action =
        Picker(QStringLiteral("building.action"), [this](int i) { editor_.SetBuildingAction(i); });
    action->setToolTip(
        QStringLiteral("普通に建てるか、敵の近くに建てるを選ぶことができます（建物により異なる）"));
    action->addItems(FreeEventEditor::BuildingActions());
    auto* forward = new QCheckBox(QStringLiteral("敵陣に建設"));
    forward->setObjectName(QStringLiteral("building.forward"));
    connect(forward, &QCheckBox::toggled, this,
            [this](bool on) { Change([this, on] { editor_.SetForward(on); }); });
    form->addRow(QStringLiteral("建設する建物"), building);
    form->addRow(QStringLiteral("イベントの種類"), action);
    form->addRow(forward);
    syncs_ << [this, building, action, forward] {
        building->setCurrentIndex(editor_.Building());
        action->setCurrentIndex(editor_.BuildingAction());
        forward->setChecked(editor_.Forward());
        forward->setEnabled(editor_.ForwardEnabled());
        forward->setVisible(editor_.ForwardVisible());
    };
    return page;
}

QWidget* FrmFree::BuildResearch() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* category = Picker(QStringLiteral("research.category"),
                                 [this](int i) { editor_.SetTechnologyCategory(i); });
    category->addItems(TechnologyCategoryPickerItems());
    QComboBox* technology =
        Picker(QStringLiteral("research.technology"), [this](int i) { editor_.SetTechnology(i); });
    form->addRow(QStringLiteral("研究施設"), category);
    form->addRow(QStringLiteral("研究するテクノロジー"), technology);
    syncs_ << [this, category, technology] {
        category->setCurrentIndex(editor_.TechnologyCategory());
        SetItems(technology, editor_.Technologies());
        technology->setCurrentIndex(editor_.Technology());
    };
    return page;
}

QWidget* FrmFree::BuildUnit() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* category =
        Picker(QStringLiteral("unit.category"), [this](int i) { editor_.SetUnitCategory(i); });
    category->addItems(UnitCategoryPickerItems());
    QComboBox* unit = Picker(QStringLiteral("unit.unit"), [this](int i) { editor_.SetUnit(i); });
    QComboBox* action =
        Picker(QStringLiteral("unit.action"), [this](int i) { editor_.SetUnitAction(i); });
    action->addItems(FreeEventEditor::UnitActions());
    form->addRow(QStringLiteral("カテゴリ"), category);
    form->addRow(QStringLiteral("対象ユニット"), unit);
    form->addRow(QStringLiteral("イベントの種類"), action);
    syncs_ << [this, category, unit, action] {
        category->setCurrentIndex(editor_.UnitCategory());
        SetItems(unit, editor_.Units());
        unit->setCurrentIndex(editor_.Unit());
        action->setCurrentIndex(editor_.UnitAction());
    };
    return page;
}

QWidget* FrmFree::BuildResource() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* entry =
        Picker(QStringLiteral("resource.entry"), [this](int i) { editor_.SetResourceEntry(i); });
    entry->addItems(FreeEventEditor::ResourceEntries());
    QLineEdit* value = Box(QStringLiteral("resource.value"),
                           [this](const QString& t) { editor_.SetResourceValue(t); });
    QWidget* valueRow = WithSuffix(value, Suffix(QStringLiteral("％")));
    form->addRow(QStringLiteral("イベントの種類"), entry);
    form->addRow(valueRow);
    syncs_ << [this, entry, value, valueRow] {
        entry->setCurrentIndex(editor_.ResourceEntry());
        SetText(value, editor_.ResourceValue());
        valueRow->setVisible(editor_.ResourceValueVisible());
    };
    return page;
}

QWidget* FrmFree::BuildAttack() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* entry =
        Picker(QStringLiteral("attack.entry"), [this](int i) { editor_.SetAttackEntry(i); });
    entry->addItems(FreeEventEditor::AttackEntries());
    QLineEdit* value = Box(QStringLiteral("attack.value"),
                           [this](const QString& t) { editor_.SetAttackValue(t); });
    QLabel* unitLabel = Suffix(QString());
    unitLabel->setObjectName(QStringLiteral("attack.unit"));
    QWidget* valueRow = WithSuffix(value, unitLabel);
    form->addRow(entry);
    form->addRow(valueRow);
    syncs_ << [this, entry, value, unitLabel, valueRow] {
        entry->setCurrentIndex(editor_.AttackEntry());
        SetText(value, editor_.AttackValue());
        unitLabel->setText(editor_.AttackUnitLabel());
        valueRow->setVisible(editor_.AttackValueVisible());
    };
    return page;
}

QWidget* FrmFree::BuildRange() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* kind =
        Picker(QStringLiteral("range.kind"), [this](int i) { editor_.SetRangeKind(i); });
    kind->addItems(FreeEventEditor::RangeKinds());
    QLineEdit* distance =
        Box(QStringLiteral("range.distance"), [this](const QString& t) { editor_.SetDistance(t); });
    auto* heading = new QLabel;
    heading->setObjectName(QStringLiteral("range.heading"));
    auto* help = new QLabel;
    help->setObjectName(QStringLiteral("range.help"));
    help->setWordWrap(true);
    form->addRow(kind);
    form->addRow(WithSuffix(distance, Suffix(QStringLiteral("タイル"))));
    form->addRow(heading);
    form->addRow(help);
    syncs_ << [this, kind, distance, heading, help] {
        kind->setCurrentIndex(editor_.RangeKind());
        SetText(distance, editor_.Distance());
        heading->setText(editor_.RangeHeading());
        help->setText(editor_.RangeHelp());
    };
    return page;
}

QWidget* FrmFree::BuildExplore() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* entry =
        Picker(QStringLiteral("explore.entry"), [this](int i) { editor_.SetExploreEntry(i); });
    entry->addItems(FreeEventEditor::ExploreEntries());
    form->addRow(QStringLiteral("選択"), entry);

    auto* frames = new QStackedWidget;
    QLineEdit* blot =
        Box(QStringLiteral("explore.blot"), [this](const QString& t) { editor_.SetBlotSize(t); });
    auto* blotFrame = new QGroupBox(QStringLiteral("探索精度"));
    (new QHBoxLayout(blotFrame))->addWidget(blot);
    frames->addWidget(blotFrame);

    auto* reexploreFrame = new QGroupBox(QStringLiteral("再探索"));
    auto* yes = new QRadioButton(QStringLiteral("あり"));
    yes->setObjectName(QStringLiteral("explore.yes"));
    auto* no = new QRadioButton(QStringLiteral("なし"));
    no->setObjectName(QStringLiteral("explore.no"));
    auto* options = new QHBoxLayout(reexploreFrame);
    options->addWidget(yes);
    options->addWidget(no);
    options->addStretch(1);
    connect(yes, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Change([this] { editor_.SetReexplore(true); });
    });
    connect(no, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Change([this] { editor_.SetReexplore(false); });
    });
    frames->addWidget(reexploreFrame);

    QLineEdit* groups = Box(QStringLiteral("explore.groups"),
                            [this](const QString& t) { editor_.SetExploreGroups(t); });
    auto* groupsFrame = new QGroupBox(QStringLiteral("探索最大数"));
    (new QHBoxLayout(groupsFrame))->addWidget(groups);
    frames->addWidget(groupsFrame);
    form->addRow(frames);

    syncs_ << [this, entry, frames, blot, yes, no, groups] {
        entry->setCurrentIndex(editor_.ExploreEntry());
        frames->setCurrentIndex(editor_.ExploreEntry());
        SetText(blot, editor_.BlotSize());
        yes->setChecked(editor_.Reexplore());
        no->setChecked(!editor_.Reexplore());
        SetText(groups, editor_.ExploreGroups());
    };
    return page;
}

QWidget* FrmFree::BuildStrategic() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* heading = Picker(QStringLiteral("strategic.heading"),
                                [this](int i) { editor_.SetStrategicHeading(i); });
    heading->addItems(FreeEventEditor::StrategicHeadings());
    QComboBox* entry =
        Picker(QStringLiteral("strategic.entry"), [this](int i) { editor_.SetStrategicEntry(i); });
    QLineEdit* value = Box(QStringLiteral("strategic.value"),
                           [this](const QString& t) { editor_.SetStrategicValue(t); });
    form->addRow(QStringLiteral("カテゴリ"), heading);
    form->addRow(QStringLiteral("戦略数値の選択"), entry);
    form->addRow(QStringLiteral("数値"), value);
    syncs_ << [this, heading, entry, value] {
        heading->setCurrentIndex(editor_.StrategicHeading());
        SetItems(entry, editor_.StrategicEntries());
        entry->setCurrentIndex(editor_.StrategicEntry());
        SetText(value, editor_.StrategicValue());
    };
    return page;
}

QWidget* FrmFree::BuildVariable() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* entry =
        Picker(QStringLiteral("variable.entry"), [this](int i) { editor_.SetVariableEntry(i); });
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("variable.label"));
    QLineEdit* value = Box(QStringLiteral("variable.value"),
                           [this](const QString& t) { editor_.SetVariableValue(t); });
    form->addRow(entry);
    form->addRow(label);
    form->addRow(QStringLiteral("数"), value);
    syncs_ << [this, entry, label, value] {
        SetItems(entry, editor_.VariableEntries());
        entry->setCurrentIndex(editor_.VariableEntry());
        label->setText(editor_.VariableLabel());
        SetText(value, editor_.VariableValue());
    };
    return page;
}

QWidget* FrmFree::BuildDiplomacy() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* player =
        Picker(QStringLiteral("diplomacy.player"), [this](int i) { editor_.SetPlayer(i); });
    player->addItems(FreeEventEditor::Players());
    QComboBox* stance =
        Picker(QStringLiteral("diplomacy.stance"), [this](int i) { editor_.SetStance(i); });
    stance->addItems(FreeEventEditor::Stances());
    form->addRow(QStringLiteral("プレイヤー"), player);
    form->addRow(QStringLiteral("外交政策"), stance);
    syncs_ << [this, player, stance] {
        player->setCurrentIndex(editor_.Player());
        stance->setCurrentIndex(editor_.Stance());
    };
    return page;
}

QWidget* FrmFree::BuildTimer() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* timer =
        Picker(QStringLiteral("timer.timer"), [this](int i) { editor_.SetTimer(i); });
    QComboBox* run = Picker(QStringLiteral("timer.run"), [this](int i) { editor_.SetTimerRun(i); });
    run->addItems(FreeEventEditor::TimerRuns());
    QLineEdit* seconds =
        Box(QStringLiteral("timer.seconds"), [this](const QString& t) { editor_.SetSeconds(t); });
    QWidget* secondsRow = WithSuffix(seconds, Suffix(QStringLiteral("秒")));
    form->addRow(QStringLiteral("タイマー"), timer);
    form->addRow(QStringLiteral("実行"), run);
    form->addRow(secondsRow);
    syncs_ << [this, timer, run, seconds, secondsRow] {
        SetItems(timer, editor_.TimerEntries());
        timer->setCurrentIndex(editor_.Timer());
        run->setCurrentIndex(editor_.TimerRun());
        SetText(seconds, editor_.Seconds());
        secondsRow->setVisible(editor_.SecondsVisible());
    };
    return page;
}

} // namespace rw
