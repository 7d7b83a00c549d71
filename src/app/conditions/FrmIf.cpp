#include "conditions/FrmIf.h"

#include "conditions/ConditionEditor.h"
#include "shell/Dialogs.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace rw {

namespace {

// The label of each field, by kind, in edit-data order.
QStringList FieldLabels(int kind) {
    switch (kind) {
    case 1:
        return {QStringLiteral("対象"), QStringLiteral("量"), QStringLiteral("符号")};
    case 2:
        return {QStringLiteral("対象プレイヤー"), QStringLiteral("対象の建物"),
                QStringLiteral("数"), QStringLiteral("符号")};
    case 3:
        return {QStringLiteral("対象プレイヤーの選択"), QStringLiteral("カテゴリの選択"),
                QStringLiteral("条件対象の選択"), QStringLiteral("数"), QStringLiteral("符号")};
    case 4:
        return {QStringLiteral("研究施設"), QStringLiteral("対象テクノロジー"),
                QStringLiteral("条件")};
    case 5:
        return {QStringLiteral("対象"), QStringLiteral("数"), QStringLiteral("符号")};
    case 6:
        return {QStringLiteral("対象プレイヤー"), QStringLiteral("対象の時代"),
                QStringLiteral("符号")};
    case 7:
        return {QStringLiteral("基準"), QStringLiteral("時間"), QStringLiteral("分"),
                QStringLiteral("秒"), QStringLiteral("符号")};
    case 8:
        return {QStringLiteral("タイマー")};
    case 9:
        return {QStringLiteral("変数"), QStringLiteral("数"), QStringLiteral("符号")};
    case 10:
        return {QStringLiteral("カテゴリ"), QStringLiteral("戦略数値の選択"),
                QStringLiteral("数値"), QStringLiteral("符号")};
    case 11:
        return {QStringLiteral("対象"), QStringLiteral("認識距離"), QStringLiteral("符号")};
    default:
        return {};
    }
}

// The comparison is the last field of every kind that has one.
int ComparisonIndex(int kind) {
    return kind == 4 || kind == 8 ? -1 : ConditionEditor::FieldCount(kind) - 1;
}

QComboBox* MakePicker() {
    auto* picker = new QComboBox;
    // Long rows (strategic numbers, variable descriptions) must not stretch
    // the dialog; the drop-down list still shows them whole.
    picker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    picker->setMinimumContentsLength(24);
    picker->setMaxVisibleItems(20);
    return picker;
}

bool SameRows(const QComboBox* picker, const QStringList& rows) {
    if (picker->count() != rows.size())
        return false;
    for (int i = 0; i < rows.size(); ++i)
        if (picker->itemText(i) != rows[i])
            return false;
    return true;
}

} // namespace

bool FrmIf::Open(Workspace& work, Dialogs& dialogs, Opening opening, QWidget* parent) {
    bool opened = false;
    switch (opening) {
    case Opening::ToolbarAdd:
        opened = work.OpenConditionEditor(1);
        break;
    case Opening::ToolbarChange:
        opened = work.OpenConditionEditor(2);
        break;
    case Opening::MenuAdd:
        opened = work.OpenConditionEditorFromMenu();
        break;
    case Opening::Change:
        opened = work.OpenConditionEditorForChange();
        break;
    }
    if (!opened)
        return false;
    FrmIf dialog(work, dialogs, parent);
    dialogs.Run(dialog);
    // However the showing ended, the model must not stay open: a dialog
    // closed without its buttons counts as cancelled.
    if (work.ConditionEditorModel().IsShown())
        work.CancelConditionEditor();
    return true;
}

FrmIf::FrmIf(Workspace& work, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), work_(work), dialogs_(dialogs) {
    setModal(true);

    tabs_ = new QTabWidget;
    const QStringList captions = ConditionTabCaptions();
    for (int kind = 1; kind <= kConditionKindCount; ++kind)
        tabs_->addTab(BuildPanel(kind), captions.value(kind - 1));
    tabs_->setUsesScrollButtons(false);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (syncing_)
            return;
        Model().SelectTab(index + 1);
        Reload();
    });

    caption_ = new QLabel;
    caption_->setObjectName(QStringLiteral("frmIf.caption"));
    caption_->setFrameShape(QFrame::StyledPanel);
    caption_->setFrameShadow(QFrame::Sunken);
    caption_->setMargin(4);
    caption_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    fact_ = new QLabel;
    fact_->setObjectName(QStringLiteral("frmIf.fact"));
    fact_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont mono(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    fact_->setFont(mono);

    confirm_ = new QPushButton;
    confirm_->setDefault(true);
    cancel_ = new QPushButton(ConditionEditor::CancelText());
    connect(confirm_, &QPushButton::clicked, this, &FrmIf::Confirm);
    connect(cancel_, &QPushButton::clicked, this, &FrmIf::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(caption_);
    layout->addWidget(fact_);
    layout->addLayout(buttons);

    Reload();
}

ConditionEditor& FrmIf::Model() const {
    return work_.ConditionEditorModel();
}

QWidget* FrmIf::BuildPanel(int kind) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    Panel& panel = panels_[kind];
    const QStringList labels = FieldLabels(kind);
    for (int i = 0; i < ConditionEditor::FieldCount(kind); ++i) {
        if (ConditionEditor::FieldType(kind, i) == ConditionFieldType::Number) {
            auto* box = new QLineEdit;
            panel.number = box;
            panel.numberIndex = i;
            connect(box, &QLineEdit::textChanged, this, [this, kind, i](const QString& text) {
                if (syncing_)
                    return;
                Model().SetNumber(kind, i, text);
                Reload();
            });
            if (kind == 10)
                box->installEventFilter(this);
            form->addRow(labels.value(i), box);
        } else {
            QComboBox* picker = MakePicker();
            panel.pickers[i] = picker;
            connect(picker, &QComboBox::currentIndexChanged, this, [this, kind, i](int row) {
                if (syncing_ || row < 0)
                    return;
                Model().SetPicker(kind, i, row);
                Reload();
            });
            if (kind == 8 || kind == 9) {
                // The timer's help text or the variable's description stands
                // beside its picker.
                auto* row = new QHBoxLayout;
                row->addWidget(picker, 1);
                auto* beside = new QLabel;
                beside->setMinimumWidth(140);
                row->addWidget(beside, 1);
                (kind == 8 ? timerHelp_ : variableDescription_) = beside;
                form->addRow(labels.value(i), row);
            } else {
                form->addRow(labels.value(i), picker);
            }
        }
    }
    if (kind == 2 || kind == 3) {
        panel.include = new QCheckBox(kind == 2 ? QStringLiteral("建設中の建物の数を含む")
                                                : QStringLiteral("生産中のユニットの数を含む"));
        connect(panel.include, &QCheckBox::toggled, this, [this, kind](bool ticked) {
            if (syncing_)
                return;
            Model().SetInclude(kind, ticked);
            Reload();
        });
        form->addRow(QString(), panel.include);
    }
    if (kind == 8 || kind == 9)
        form->addRow(QString(), new QLabel(kind == 8 ? ConditionEditor::TimerNote()
                                                     : ConditionEditor::VariableNote()));
    return page;
}

QComboBox* FrmIf::PickerBox(int kind, int index) const {
    if (kind < 1 || kind > kConditionKindCount || index < 0 || index >= 5)
        return nullptr;
    return panels_[kind].pickers[index];
}

QLineEdit* FrmIf::NumberBox(int kind) const {
    return kind >= 1 && kind <= kConditionKindCount ? panels_[kind].number : nullptr;
}

QCheckBox* FrmIf::IncludeBox(int kind) const {
    return kind >= 1 && kind <= kConditionKindCount ? panels_[kind].include : nullptr;
}

void FrmIf::Reload() {
    syncing_ = true;
    const ConditionEditor& model = Model();
    setWindowTitle(model.Title());
    confirm_->setText(model.ConfirmText());
    tabs_->setCurrentIndex(model.Tab() - 1);
    for (int kind = 1; kind <= kConditionKindCount; ++kind)
        ReloadPanel(kind);
    timerHelp_->setText(model.TimerHelp());
    variableDescription_->setText(model.VariableDescription());

    const ConditionTriple& composed = model.Composed();
    caption_->setText(composed.cap);
    caption_->setStyleSheet(composed.IsError() ? QStringLiteral("color: #c00000;") : QString());
    fact_->setText(composed.IsError() ? QString()
                                      : QLatin1Char('(') + composed.script + QLatin1Char(')'));
    syncing_ = false;
}

void FrmIf::ReloadPanel(int kind) {
    const ConditionEditor& model = Model();
    Panel& panel = panels_[kind];
    for (int i = 0; i < ConditionEditor::FieldCount(kind); ++i) {
        QComboBox* picker = panel.pickers[i];
        if (!picker)
            continue;
        const QStringList rows = model.PickerRows(kind, i);
        if (!SameRows(picker, rows)) {
            picker->clear();
            picker->addItems(rows);
        }
        picker->setCurrentIndex(model.Picker(kind, i));
        if (i == ComparisonIndex(kind))
            picker->setEnabled(model.ComparisonEnabled(kind));
    }
    if (panel.number && panel.number->text() != model.Field(kind, panel.numberIndex))
        panel.number->setText(model.Field(kind, panel.numberIndex));
    if (panel.include) {
        panel.include->setChecked(model.Include(kind));
        panel.include->setEnabled(model.IncludeEnabled(kind));
    }
}

void FrmIf::Confirm() {
    const Notice notice = work_.ConfirmConditionEditor();
    if (Model().IsShown()) {
        // Refused: the user corrects the input and tries again.
        if (!notice.IsEmpty())
            dialogs_.Inform(notice);
        Reload();
        return;
    }
    accept();
}

void FrmIf::reject() {
    if (Model().IsShown())
        work_.CancelConditionEditor();
    QDialog::reject();
}

bool FrmIf::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == panels_[10].number && !syncing_ &&
        Model().IsShown()) {
        Model().LeaveStrategicNumberBox();
        Reload();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace rw
