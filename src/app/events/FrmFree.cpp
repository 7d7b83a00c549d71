#include "events/FrmFree.h"

#include "events/FreeEventEditor.h"
#include "events/PanelState.h"
#include "shell/Dialogs.h"
#include "shell/Icons.h"
#include "shell/Mnemonics.h"
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

// The unit after a box also names the box for screen readers.
QWidget* WithSuffix(QWidget* box, QLabel* suffix) {
    suffix->setBuddy(box);
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
    editor_.ForEachKind([this](auto& kind) { tabs_->addTab(Page(kind), kind.Caption()); });
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
    confirm_->setText(ConfirmButtonText(editor_.ConfirmCaption()));
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

// --- the pages of the kinds -----------------------------------------------------

QWidget* FrmFree::Page(FreeEventChat& chat) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* target =
        Picker(QStringLiteral("chat.target"), [&chat](int i) { chat.SetTarget(i); });
    target->addItems(FreeEventChat::Targets());
    QLineEdit* text =
        Box(QStringLiteral("chat.text"), [&chat](const QString& t) { chat.SetText(t); });
    text->setAccessibleName(QStringLiteral("メッセージ"));
    form->addRow(QStringLiteral("対象"), target);
    form->addRow(text);
    form->addRow(new QLabel(FreeEventChat::ForbiddenLabel()));
    syncs_ << [&chat, target, text] {
        target->setCurrentIndex(chat.Target());
        SetText(text, chat.Text());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventBuilding& kind) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* building =
        Picker(QStringLiteral("building.picker"), [&kind](int i) { kind.SetBuilding(i); });
    building->setToolTip(QStringLiteral("建設する建物を選択します"));
    for (const BuildingPickerItem& item : BuildingPickerItems())
        building->addItem(Icons::ForBuilding(item.picture), item.text);
    QComboBox* action =
        Picker(QStringLiteral("building.action"), [&kind](int i) { kind.SetAction(i); });
    action->setToolTip(
        QStringLiteral("普通に建てるか、敵の近くに建てるを選ぶことができます（建物により異なる）"));
    action->addItems(FreeEventBuilding::Actions());
    auto* forward = new QCheckBox(QStringLiteral("敵陣に建設"));
    forward->setObjectName(QStringLiteral("building.forward"));
    connect(forward, &QCheckBox::toggled, this,
            [this, &kind](bool on) { Change([&kind, on] { kind.SetForward(on); }); });
    form->addRow(QStringLiteral("建設する建物"), building);
    form->addRow(QStringLiteral("イベントの種類"), action);
    form->addRow(forward);
    syncs_ << [&kind, building, action, forward] {
        building->setCurrentIndex(kind.Building());
        action->setCurrentIndex(kind.Action());
        forward->setChecked(kind.Forward());
        forward->setEnabled(kind.ForwardEnabled());
        forward->setVisible(kind.ForwardVisible());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventResearch& research) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* category = Picker(QStringLiteral("research.category"),
                                 [&research](int i) { research.SetCategory(i); });
    category->addItems(TechnologyCategoryPickerItems());
    QComboBox* technology = Picker(QStringLiteral("research.technology"),
                                   [&research](int i) { research.SetTechnology(i); });
    form->addRow(QStringLiteral("研究施設"), category);
    form->addRow(QStringLiteral("研究するテクノロジー"), technology);
    syncs_ << [&research, category, technology] {
        category->setCurrentIndex(research.Category());
        SetItems(technology, research.Technologies());
        technology->setCurrentIndex(research.Technology());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventUnit& kind) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* category =
        Picker(QStringLiteral("unit.category"), [&kind](int i) { kind.SetCategory(i); });
    category->addItems(UnitCategoryPickerItems());
    QComboBox* unit = Picker(QStringLiteral("unit.unit"), [&kind](int i) { kind.SetUnit(i); });
    QComboBox* action =
        Picker(QStringLiteral("unit.action"), [&kind](int i) { kind.SetAction(i); });
    action->addItems(FreeEventUnit::Actions());
    form->addRow(QStringLiteral("カテゴリ"), category);
    form->addRow(QStringLiteral("対象ユニット"), unit);
    form->addRow(QStringLiteral("イベントの種類"), action);
    syncs_ << [&kind, category, unit, action] {
        category->setCurrentIndex(kind.Category());
        SetItems(unit, kind.Units());
        unit->setCurrentIndex(kind.Unit());
        action->setCurrentIndex(kind.Action());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventResource& resource) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* entry =
        Picker(QStringLiteral("resource.entry"), [&resource](int i) { resource.SetEntry(i); });
    entry->addItems(FreeEventResource::Entries());
    QLineEdit* value = Box(QStringLiteral("resource.value"),
                           [&resource](const QString& t) { resource.SetValue(t); });
    QWidget* valueRow = WithSuffix(value, Suffix(QStringLiteral("％")));
    form->addRow(QStringLiteral("イベントの種類"), entry);
    form->addRow(valueRow);
    syncs_ << [&resource, entry, value, valueRow] {
        entry->setCurrentIndex(resource.Entry());
        SetText(value, resource.Value());
        valueRow->setVisible(resource.ValueVisible());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventAttack& attack) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* entry =
        Picker(QStringLiteral("attack.entry"), [&attack](int i) { attack.SetEntry(i); });
    entry->addItems(FreeEventAttack::Entries());
    entry->setAccessibleName(QStringLiteral("イベントの種類"));
    QLineEdit* value =
        Box(QStringLiteral("attack.value"), [&attack](const QString& t) { attack.SetValue(t); });
    QLabel* unitLabel = Suffix(QString());
    unitLabel->setObjectName(QStringLiteral("attack.unit"));
    QWidget* valueRow = WithSuffix(value, unitLabel);
    form->addRow(entry);
    form->addRow(valueRow);
    syncs_ << [&attack, entry, value, unitLabel, valueRow] {
        entry->setCurrentIndex(attack.Entry());
        SetText(value, attack.Value());
        unitLabel->setText(attack.UnitLabel());
        valueRow->setVisible(attack.ValueVisible());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventRange& range) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* kind = Picker(QStringLiteral("range.kind"), [&range](int i) { range.SetKind(i); });
    kind->addItems(FreeEventRange::Kinds());
    kind->setAccessibleName(QStringLiteral("イベントの種類"));
    QLineEdit* distance =
        Box(QStringLiteral("range.distance"), [&range](const QString& t) { range.SetDistance(t); });
    auto* heading = new QLabel;
    heading->setObjectName(QStringLiteral("range.heading"));
    auto* help = new QLabel;
    help->setObjectName(QStringLiteral("range.help"));
    help->setWordWrap(true);
    form->addRow(kind);
    form->addRow(WithSuffix(distance, Suffix(QStringLiteral("タイル"))));
    form->addRow(heading);
    form->addRow(help);
    syncs_ << [&range, kind, distance, heading, help] {
        kind->setCurrentIndex(range.Kind());
        SetText(distance, range.Distance());
        heading->setText(range.Heading());
        help->setText(range.Help());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventExplore& explore) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* entry =
        Picker(QStringLiteral("explore.entry"), [&explore](int i) { explore.SetEntry(i); });
    entry->addItems(FreeEventExplore::Entries());
    form->addRow(QStringLiteral("選択"), entry);

    auto* frames = new QStackedWidget;
    QLineEdit* blot = Box(QStringLiteral("explore.blot"),
                          [&explore](const QString& t) { explore.SetBlotSize(t); });
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
    connect(yes, &QRadioButton::toggled, this, [this, &explore](bool on) {
        if (on)
            Change([&explore] { explore.SetReexplore(true); });
    });
    connect(no, &QRadioButton::toggled, this, [this, &explore](bool on) {
        if (on)
            Change([&explore] { explore.SetReexplore(false); });
    });
    frames->addWidget(reexploreFrame);

    QLineEdit* groups = Box(QStringLiteral("explore.groups"),
                            [&explore](const QString& t) { explore.SetGroups(t); });
    auto* groupsFrame = new QGroupBox(QStringLiteral("探索最大数"));
    (new QHBoxLayout(groupsFrame))->addWidget(groups);
    frames->addWidget(groupsFrame);
    form->addRow(frames);

    syncs_ << [&explore, entry, frames, blot, yes, no, groups] {
        entry->setCurrentIndex(explore.Entry());
        frames->setCurrentIndex(explore.Entry());
        SetText(blot, explore.BlotSize());
        yes->setChecked(explore.Reexplore());
        no->setChecked(!explore.Reexplore());
        SetText(groups, explore.Groups());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventStrategicNumber& number) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* heading =
        Picker(QStringLiteral("strategic.heading"), [&number](int i) { number.SetHeading(i); });
    heading->addItems(FreeEventStrategicNumber::Headings());
    QComboBox* entry =
        Picker(QStringLiteral("strategic.entry"), [&number](int i) { number.SetEntry(i); });
    QLineEdit* value =
        Box(QStringLiteral("strategic.value"), [&number](const QString& t) { number.SetValue(t); });
    form->addRow(QStringLiteral("カテゴリ"), heading);
    form->addRow(QStringLiteral("戦略数値の選択"), entry);
    form->addRow(QStringLiteral("数値"), value);
    syncs_ << [&number, heading, entry, value] {
        heading->setCurrentIndex(number.Heading());
        SetItems(entry, number.Entries());
        entry->setCurrentIndex(number.Entry());
        SetText(value, number.Value());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventVariable& variable) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* entry =
        Picker(QStringLiteral("variable.entry"), [&variable](int i) { variable.SetEntry(i); });
    entry->setAccessibleName(QStringLiteral("変数"));
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("variable.label"));
    QLineEdit* value = Box(QStringLiteral("variable.value"),
                           [&variable](const QString& t) { variable.SetValue(t); });
    form->addRow(entry);
    form->addRow(label);
    form->addRow(QStringLiteral("数"), value);
    syncs_ << [&variable, entry, label, value] {
        SetItems(entry, variable.Entries());
        entry->setCurrentIndex(variable.Entry());
        label->setText(variable.Label());
        SetText(value, variable.Value());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventDiplomacy& diplomacy) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* player =
        Picker(QStringLiteral("diplomacy.player"), [&diplomacy](int i) { diplomacy.SetPlayer(i); });
    player->addItems(FreeEventDiplomacy::Players());
    QComboBox* stance =
        Picker(QStringLiteral("diplomacy.stance"), [&diplomacy](int i) { diplomacy.SetStance(i); });
    stance->addItems(FreeEventDiplomacy::Stances());
    form->addRow(QStringLiteral("プレイヤー"), player);
    form->addRow(QStringLiteral("外交政策"), stance);
    syncs_ << [&diplomacy, player, stance] {
        player->setCurrentIndex(diplomacy.Player());
        stance->setCurrentIndex(diplomacy.Stance());
    };
    return page;
}

QWidget* FrmFree::Page(FreeEventTimer& kind) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    QComboBox* timer = Picker(QStringLiteral("timer.timer"), [&kind](int i) { kind.SetTimer(i); });
    QComboBox* run = Picker(QStringLiteral("timer.run"), [&kind](int i) { kind.SetRun(i); });
    run->addItems(FreeEventTimer::Runs());
    QLineEdit* seconds =
        Box(QStringLiteral("timer.seconds"), [&kind](const QString& t) { kind.SetSeconds(t); });
    QWidget* secondsRow = WithSuffix(seconds, Suffix(QStringLiteral("秒")));
    form->addRow(QStringLiteral("タイマー"), timer);
    form->addRow(QStringLiteral("実行"), run);
    form->addRow(secondsRow);
    syncs_ << [&kind, timer, run, seconds, secondsRow] {
        SetItems(timer, kind.Timers());
        timer->setCurrentIndex(kind.Timer());
        run->setCurrentIndex(kind.Run());
        SetText(seconds, kind.Seconds());
        secondsRow->setVisible(kind.SecondsVisible());
    };
    return page;
}

} // namespace rw
