#include "builder/ProjectSettingsDialog.h"

#include "shell/Dialogs.h"
#include "shell/SelectionFollows.h"
#include "workspace/Workspace.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rw {

ProjectSettingsDialog::ProjectSettingsDialog(Workspace& work, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), work_(work), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("プロジェクトの設定"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    tabs_ = new QTabWidget;
    tabs_->addTab(BuildPage(0, ConstKind::Variable), QStringLiteral("変数"));
    tabs_->addTab(BuildPage(1, ConstKind::Timer), QStringLiteral("タイマー"));

    auto* header = new QWidget;
    auto* form = new QFormLayout(header);
    title_ = new QLineEdit(work_.CurrentProject().settings.title);
    author_ = new QLineEdit(work_.CurrentProject().settings.author);
    form->addRow(QStringLiteral("ＡＩのタイトル"), title_);
    form->addRow(QStringLiteral("作者"), author_);
    for (QLineEdit* box : {title_, author_})
        connect(box, &QLineEdit::textChanged, this,
                [this] { work_.SetHeader(title_->text(), author_->text()); });
    tabs_->addTab(header, QStringLiteral("ヘッダ"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 2)
            FillPage(index);
    });

    auto* close = new QPushButton(QStringLiteral("閉じる(&C)"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs_);
    column->addLayout(buttons);
    resize(560, 480);
    FillPage(0);
}

QWidget* ProjectSettingsDialog::BuildPage(int index, ConstKind kind) {
    Page& page = pages_[index];
    page.kind = kind;
    page.list = new QTreeWidget;
    page.list->setHeaderLabels(
        {QStringLiteral("番号"), QStringLiteral("Name"), QStringLiteral("ヘルプ")});
    page.list->setRootIsDecorated(false);
    page.list->setAllColumnsShowFocus(true);
    KeepCurrentWithSelection(page.list);
    page.list->header()->resizeSection(0, 50);
    page.list->header()->resizeSection(1, 160);
    page.label = new QLabel(QStringLiteral("編集"));
    page.name = new QLineEdit;
    page.help = new QLineEdit;
    page.problem = new QLabel;
    page.problem->setStyleSheet(QStringLiteral("color: #c00000;"));
    page.problem->setWordWrap(true);

    connect(page.list, &QTreeWidget::currentItemChanged, this,
            [this, index](QTreeWidgetItem* item) {
                if (item && !pages_[index].loading)
                    LoadRow(index, pages_[index].list->indexOfTopLevelItem(item) + 1);
            });
    connect(page.name, &QLineEdit::textEdited, this,
            [this, index](const QString& text) { EditName(index, text); });
    connect(page.name, &QLineEdit::editingFinished, this, [this, index] { FinishName(index); });
    connect(page.help, &QLineEdit::textEdited, this,
            [this, index](const QString& text) { EditHelp(index, text); });

    auto* widget = new QWidget;
    auto* column = new QVBoxLayout(widget);
    column->addWidget(page.list, 1);
    auto* edit = new QHBoxLayout;
    edit->addWidget(page.label);
    edit->addWidget(page.name, 1);
    edit->addWidget(page.help, 2);
    column->addLayout(edit);
    column->addWidget(page.problem);
    return widget;
}

void ProjectSettingsDialog::FillPage(int index) {
    Page& page = pages_[index];
    page.loading = true;
    page.list->clear();
    const int count = (page.kind == ConstKind::Variable ? kVariableSlots : kTimerSlots) - 1;
    for (int slot = 1; slot <= count; ++slot)
        page.list->addTopLevelItem(new QTreeWidgetItem(
            {QString::number(slot), Read(index, slot, 0), Read(index, slot, 1)}));
    page.list->setCurrentItem(page.list->topLevelItem(0));
    page.loading = false;
    LoadRow(index, 1);
}

void ProjectSettingsDialog::LoadRow(int index, int slot) {
    Page& page = pages_[index];
    page.label->setText(QStringLiteral("No.") + QString::number(slot));
    page.name->setText(Read(index, slot, 0));
    page.help->setText(Read(index, slot, 1));
    page.nameBefore = page.name->text();
    page.problem->clear();
}

int ProjectSettingsDialog::CurrentSlot(int index) const {
    const Page& page = pages_[index];
    QTreeWidgetItem* item = page.list->currentItem();
    return item ? page.list->indexOfTopLevelItem(item) + 1 : 0;
}

void ProjectSettingsDialog::EditName(int index, const QString& text) {
    Page& page = pages_[index];
    const int slot = CurrentSlot(index);
    if (slot == 0)
        return;
    const Notice refused = work_.RenameConst(page.kind, slot, text);
    page.problem->setText(refused.text);
    if (refused.IsEmpty())
        page.list->currentItem()->setText(1, text);
}

void ProjectSettingsDialog::FinishName(int index) {
    Page& page = pages_[index];
    const int slot = CurrentSlot(index);
    // A name stored as it stands is left alone, even one a file brought in
    // that the script cannot carry: only what is typed is refused.
    if (slot == 0 || page.name->text() == Read(index, slot, 0)) {
        page.nameBefore = page.name->text();
        return;
    }
    const ConstKind kind = page.kind;
    const Notice refused = work_.RenameConst(kind, slot, page.name->text());
    if (!refused.IsEmpty()) {
        // The name typed was never stored; the slot goes back to the name it
        // had before (or, should that no longer be possible, keeps the last
        // one stored).
        work_.RenameConst(kind, slot, page.nameBefore);
        page.name->setText(Read(index, slot, 0));
        page.list->currentItem()->setText(1, page.name->text());
        page.problem->clear();
        dialogs_.Inform(refused);
    }
    page.nameBefore = page.name->text();
}

QString ProjectSettingsDialog::Read(int index, int slot, int column) const {
    const Project& project = work_.CurrentProject();
    if (pages_[index].kind == ConstKind::Variable) {
        const VariableSlot& v = project.settings.variables[slot];
        return column == 0 ? v.constName : v.description;
    }
    const TimerSlot& t = project.settings.timers[slot];
    return column == 0 ? t.name : t.help;
}

void ProjectSettingsDialog::EditHelp(int index, const QString& text) {
    Page& page = pages_[index];
    QTreeWidgetItem* item = page.list->currentItem();
    if (!item)
        return;
    work_.SetConstHelp(page.kind, page.list->indexOfTopLevelItem(item) + 1, text);
    item->setText(2, text);
}

} // namespace rw
