#include "builder/InitSettingsDialog.h"

#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace rw {
namespace {

QLabel* HelpLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("QLabel { color: #505050; }"));
    return label;
}

QLineEdit* SettingBox(const QString& text) {
    auto* box = new QLineEdit(text);
    box->setMaximumWidth(90);
    return box;
}

} // namespace

InitSettingsDialog::InitSettingsDialog(Workspace& work, QWidget* parent)
    : QDialog(parent), work_(work) {
    setWindowTitle(QStringLiteral("初期化設定"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    const InitSettings start = LoadInitSettings(work_.CurrentProject());

    // "斥候"
    explorers_ = SettingBox(start.explorerCount);
    reexplore_ = new QRadioButton(QStringLiteral("あり"));
    noReexplore_ = new QRadioButton(QStringLiteral("なし"));
    auto* reexploreGroup = new QButtonGroup(this);
    reexploreGroup->addButton(reexplore_);
    reexploreGroup->addButton(noReexplore_);
    noReexplore_->setChecked(start.noReexplore);
    reexplore_->setChecked(start.reexplore);
    precision_ = SettingBox(start.precision);
    connect(explorers_, &QLineEdit::editingFinished, this,
            [this] { explorers_->setText(CorrectExplorerCount(explorers_->text())); });
    connect(precision_, &QLineEdit::editingFinished, this,
            [this] { precision_->setText(CorrectPrecision(precision_->text())); });

    auto* scout = new QWidget;
    auto* scoutGrid = new QGridLayout(scout);
    scoutGrid->addWidget(new QLabel(QStringLiteral("探索最大数")), 0, 0);
    scoutGrid->addWidget(explorers_, 0, 1);
    scoutGrid->addWidget(HelpLabel(QStringLiteral("探索最大数・・・軍を探索に割り当てる人数")), 1,
                         0, 1, 3);
    auto* radios = new QHBoxLayout;
    radios->addWidget(reexplore_);
    radios->addWidget(noReexplore_);
    radios->addStretch(1);
    scoutGrid->addWidget(new QLabel(QStringLiteral("再探索")), 2, 0);
    scoutGrid->addLayout(radios, 2, 1, 1, 2);
    scoutGrid->addWidget(
        HelpLabel(QStringLiteral("再検索・・・既に開拓済みの場所を再びするかどうか")), 3, 0, 1, 3);
    scoutGrid->addWidget(new QLabel(QStringLiteral("探索精度")), 4, 0);
    scoutGrid->addWidget(precision_, 4, 1);
    scoutGrid->addWidget(
        HelpLabel(QStringLiteral("探索制度・・・探索精度(0:探索一番細かい , 32767:探索一番荒い)")),
        5, 0, 1, 3);
    scoutGrid->setColumnStretch(2, 1);
    scoutGrid->setRowStretch(6, 1);

    // "その他"
    narrow_ = new QCheckBox(QStringLiteral("狭く"));
    wide_ = new QCheckBox(QStringLiteral("広く"));
    narrow_->setChecked(start.narrowWall);
    wide_->setChecked(start.wideWall);
    auto* walls = new QGroupBox(QStringLiteral("壁を予約する"));
    auto* wallColumn = new QVBoxLayout(walls);
    auto* wallRow = new QHBoxLayout;
    wallRow->addWidget(narrow_);
    wallRow->addWidget(wide_);
    wallRow->addStretch(1);
    wallColumn->addLayout(wallRow);
    wallColumn->addWidget(HelpLabel(QStringLiteral("壁を予約せずに壁を建設することはできません")));

    disperse_ = new QCheckBox(QStringLiteral("軍を散開させる"));
    disperse_->setChecked(start.disperse);
    auto* dispersal = new QGroupBox(QStringLiteral("軍の散開"));
    (new QVBoxLayout(dispersal))->addWidget(disperse_);

    auto distance = [](const QString& caption, QLineEdit* box) {
        auto* frame = new QGroupBox(caption);
        auto* row = new QHBoxLayout(frame);
        row->addWidget(box);
        row->addWidget(new QLabel(QStringLiteral("タイル")));
        row->addStretch(1);
        return frame;
    };
    deer_ = SettingBox(start.deerDistance);
    wood_ = SettingBox(start.woodDistance);
    gold_ = SettingBox(start.goldDistance);
    stone_ = SettingBox(start.stoneDistance);
    for (QLineEdit* box : {deer_, wood_, gold_, stone_}) {
        const QString fallback = box == wood_ ? kDefaultWoodDistance : kDefaultDistance;
        connect(box, &QLineEdit::editingFinished, this,
                [box, fallback] { box->setText(CorrectDistance(box->text(), fallback)); });
    }

    auto* other = new QWidget;
    auto* otherGrid = new QGridLayout(other);
    otherGrid->addWidget(walls, 0, 0);
    otherGrid->addWidget(dispersal, 0, 1);
    otherGrid->addWidget(distance(QStringLiteral("鹿狩りの距離"), deer_), 1, 0);
    otherGrid->addWidget(distance(QStringLiteral("木こりの距離"), wood_), 1, 1);
    otherGrid->addWidget(distance(QStringLiteral("金の採掘の距離"), gold_), 2, 0);
    otherGrid->addWidget(distance(QStringLiteral("石の採掘の距離"), stone_), 2, 1);
    otherGrid->addWidget(HelpLabel(QStringLiteral("距離を-1に設定すると無制限になります")), 3, 0, 1,
                         2);
    otherGrid->addWidget(
        HelpLabel(QStringLiteral("距離は大きすぎると遠い資源を取りに行く可能性があります")), 4, 0,
        1, 2);
    otherGrid->setRowStretch(5, 1);

    tabs_ = new QTabWidget;
    tabs_->addTab(scout, QStringLiteral("斥候"));
    tabs_->addTab(other, QStringLiteral("その他"));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs_);
    column->addLayout(buttons);
    resize(520, 400);
}

InitSettings InitSettingsDialog::Values() const {
    InitSettings values;
    values.explorerCount = explorers_->text();
    values.reexplore = reexplore_->isChecked();
    values.noReexplore = noReexplore_->isChecked();
    values.precision = precision_->text();
    values.narrowWall = narrow_->isChecked();
    values.wideWall = wide_->isChecked();
    values.disperse = disperse_->isChecked();
    values.woodDistance = wood_->text();
    values.deerDistance = deer_->text();
    values.goldDistance = gold_->text();
    values.stoneDistance = stone_->text();
    return values;
}

void InitSettingsDialog::accept() {
    work_.ApplyInitSettings(Values());
    QDialog::accept();
}

} // namespace rw
