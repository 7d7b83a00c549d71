#pragma once

#include "rules/GroupChoices.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QListWidget;

namespace rw {

// "グループ内のルール実行条件": the ticks of the selected group, drawn from the
// workspace's choices; every tick the user makes is reported.
class GroupChoicesView : public QWidget {
    Q_OBJECT
public:
    explicit GroupChoicesView(QWidget* parent = nullptr);

    void Show(const GroupChoices& choices);

    QCheckBox* Box(GroupSection section, int index) const;
    QListWidget* List(GroupSection section) const;

signals:
    void ChoiceChanged(rw::GroupSection section, int index, int state);
    // The right button was released over a section.
    void PopupRequested(const QString& popupId, const QPoint& globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MakeBoxes(GroupSection section);
    QWidget* MakeList(GroupSection section);

    std::array<QList<QCheckBox*>, kGroupSectionCount> boxes_;
    std::array<QListWidget*, kGroupSectionCount> lists_{};
    bool syncing_ = false;
};

} // namespace rw
