#include "conditions/FrmIf.h"

#include "conditions/ConditionEditor.h"
#include "shell/Dialogs.h"
#include "shell/Mnemonics.h"
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
    const QList<ConditionKind>& kinds = ConditionKinds();
    panels_.resize(kinds.size() + 1);
    for (const ConditionKind& kind : kinds)
        tabs_->addTab(BuildPanel(kind), kind.tab);
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

QWidget* FrmIf::BuildPanel(const ConditionKind& description) {
    const int kind = description.number;
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    Panel& panel = panels_[kind];
    for (int i = 0; i < description.fields.size(); ++i) {
        const ConditionField& field = description.fields[i];
        if (field.type == ConditionFieldType::Number) {
            auto* box = new QLineEdit;
            panel.number = box;
            panel.numberIndex = i;
            connect(box, &QLineEdit::textChanged, this, [this, kind, i](const QString& text) {
                if (syncing_)
                    return;
                Model().SetNumber(kind, i, text);
                Reload();
            });
            if (field.correctedOnLeaving)
                box->installEventFilter(this);
            form->addRow(field.label, box);
        } else {
            QComboBox* picker = MakePicker();
            panel.pickers[i] = picker;
            connect(picker, &QComboBox::currentIndexChanged, this, [this, kind, i](int row) {
                if (syncing_ || row < 0)
                    return;
                Model().SetPicker(kind, i, row);
                Reload();
            });
            if (field.rows == ConditionRows::Timer || field.rows == ConditionRows::Variable) {
                // The timer's help text or the variable's description stands
                // beside its picker.
                auto* row = new QHBoxLayout;
                row->addWidget(picker, 1);
                auto* beside = new QLabel;
                beside->setMinimumWidth(140);
                row->addWidget(beside, 1);
                (field.rows == ConditionRows::Timer ? timerHelp_ : variableDescription_) = beside;
                // A row of two has no buddy of its own: the label names the
                // picker, for screen readers too.
                auto* label = new QLabel(field.label);
                label->setBuddy(picker);
                form->addRow(label, row);
            } else {
                form->addRow(field.label, picker);
            }
        }
    }
    if (!description.include.isEmpty()) {
        panel.include = new QCheckBox(description.include);
        connect(panel.include, &QCheckBox::toggled, this, [this, kind](bool ticked) {
            if (syncing_)
                return;
            Model().SetInclude(kind, ticked);
            Reload();
        });
        form->addRow(QString(), panel.include);
    }
    if (!description.note.isEmpty())
        form->addRow(QString(), new QLabel(description.note));
    return page;
}

QComboBox* FrmIf::PickerBox(int kind, int index) const {
    if (!FindConditionKind(kind) || index < 0 || index >= int(Panel().pickers.size()))
        return nullptr;
    return panels_[kind].pickers[index];
}

QLineEdit* FrmIf::NumberBox(int kind) const {
    return FindConditionKind(kind) ? panels_[kind].number : nullptr;
}

QCheckBox* FrmIf::IncludeBox(int kind) const {
    return FindConditionKind(kind) ? panels_[kind].include : nullptr;
}

void FrmIf::Reload() {
    syncing_ = true;
    const ConditionEditor& model = Model();
    setWindowTitle(model.Title());
    confirm_->setText(ConfirmButtonText(model.ConfirmText()));
    tabs_->setCurrentIndex(model.Tab() - 1);
    for (const ConditionKind& kind : ConditionKinds())
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

void FrmIf::ReloadPanel(const ConditionKind& description) {
    const int kind = description.number;
    const ConditionEditor& model = Model();
    Panel& panel = panels_[kind];
    for (int i = 0; i < description.fields.size(); ++i) {
        QComboBox* picker = panel.pickers[i];
        if (!picker)
            continue;
        const QStringList rows = model.PickerRows(kind, i);
        if (!SameRows(picker, rows)) {
            picker->clear();
            picker->addItems(rows);
        }
        picker->setCurrentIndex(model.Picker(kind, i));
        if (i == description.ComparisonIndex())
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
    // Only the number boxes that are corrected on leaving are watched.
    if (event->type() == QEvent::FocusOut && !syncing_ && Model().IsShown()) {
        for (const ConditionKind& kind : ConditionKinds()) {
            if (watched == panels_[kind.number].number) {
                Model().LeaveNumberBox(kind.number);
                Reload();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace rw
