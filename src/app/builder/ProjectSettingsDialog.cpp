#include "builder/ProjectSettingsDialog.h"

#include "shell/Dialogs.h"
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
    tabs_->addTab(BuildPage(0, Table{kVariableSlots - 1,
                                     [this](int slot, int column) {
                                         const VariableSlot& v =
                                             work_.CurrentProject().variables[slot];
                                         return column == 0 ? v.constName : v.description;
                                     },
                                     [this](int slot, int column, const QString& text) {
                                         work_.ChangeProject([&](Project& p) {
                                             (column == 0 ? p.variables[slot].constName
                                                          : p.variables[slot].description) = text;
                                         });
                                     }}),
                  QStringLiteral("変数"));
    tabs_->addTab(BuildPage(1, Table{kTimerSlots - 1,
                                     [this](int slot, int column) {
                                         const TimerSlot& t = work_.CurrentProject().timers[slot];
                                         return column == 0 ? t.name : t.help;
                                     },
                                     [this](int slot, int column, const QString& text) {
                                         work_.ChangeProject([&](Project& p) {
                                             (column == 0 ? p.timers[slot].name
                                                          : p.timers[slot].help) = text;
                                         });
                                     }}),
                  QStringLiteral("タイマー"));

    auto* header = new QWidget;
    auto* form = new QFormLayout(header);
    title_ = new QLineEdit(work_.CurrentProject().title);
    author_ = new QLineEdit(work_.CurrentProject().author);
    form->addRow(QStringLiteral("ＡＩのタイトル"), title_);
    form->addRow(QStringLiteral("作者"), author_);
    connect(title_, &QLineEdit::textChanged, this, [this](const QString& text) {
        work_.ChangeProject([&](Project& p) { p.title = text; });
    });
    connect(author_, &QLineEdit::textChanged, this, [this](const QString& text) {
        work_.ChangeProject([&](Project& p) { p.author = text; });
    });
    tabs_->addTab(header, QStringLiteral("ヘッダ"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 2)
            FillPage(index);
    });

    auto* close = new QPushButton(QStringLiteral("閉じる"));
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

QWidget* ProjectSettingsDialog::BuildPage(int index, Table table) {
    Page& page = pages_[index];
    page.table = std::move(table);
    page.list = new QTreeWidget;
    page.list->setHeaderLabels(
        {QStringLiteral("番号"), QStringLiteral("Name"), QStringLiteral("ヘルプ")});
    page.list->setRootIsDecorated(false);
    page.list->setAllColumnsShowFocus(true);
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
            [this, index](const QString& text) { EditRow(index, 1, text); });

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
    for (int slot = 1; slot <= page.table.count; ++slot)
        page.list->addTopLevelItem(new QTreeWidgetItem(
            {QString::number(slot), page.table.read(slot, 0), page.table.read(slot, 1)}));
    page.list->setCurrentItem(page.list->topLevelItem(0));
    page.loading = false;
    LoadRow(index, 1);
}

void ProjectSettingsDialog::LoadRow(int index, int slot) {
    Page& page = pages_[index];
    page.label->setText(QStringLiteral("No.") + QString::number(slot));
    page.name->setText(page.table.read(slot, 0));
    page.help->setText(page.table.read(slot, 1));
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
    const ConstKind kind = index == 0 ? ConstKind::Variable : ConstKind::Timer;
    const Notice refused = work_.RenameConst(kind, slot, text);
    page.problem->setText(refused.text);
    if (refused.IsEmpty())
        page.list->currentItem()->setText(1, text);
}

void ProjectSettingsDialog::FinishName(int index) {
    Page& page = pages_[index];
    const int slot = CurrentSlot(index);
    // A name stored as it stands is left alone, even one a file brought in
    // that the script cannot carry: only what is typed is refused.
    if (slot == 0 || page.name->text() == page.table.read(slot, 0)) {
        page.nameBefore = page.name->text();
        return;
    }
    const ConstKind kind = index == 0 ? ConstKind::Variable : ConstKind::Timer;
    const Notice refused = work_.RenameConst(kind, slot, page.name->text());
    if (!refused.IsEmpty()) {
        // The name typed was never stored; the slot goes back to the name it
        // had before (or, should that no longer be possible, keeps the last
        // one stored).
        work_.RenameConst(kind, slot, page.nameBefore);
        page.name->setText(page.table.read(slot, 0));
        page.list->currentItem()->setText(1, page.name->text());
        page.problem->clear();
        dialogs_.Inform(refused);
    }
    page.nameBefore = page.name->text();
}

void ProjectSettingsDialog::EditRow(int index, int column, const QString& text) {
    Page& page = pages_[index];
    QTreeWidgetItem* item = page.list->currentItem();
    if (!item)
        return;
    const int slot = page.list->indexOfTopLevelItem(item) + 1;
    page.table.write(slot, column, text);
    item->setText(column + 1, text);
}

} // namespace rw
