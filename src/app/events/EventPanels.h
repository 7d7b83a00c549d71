#pragma once

#include "workspace/PanelView.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;

namespace rw {

class CommandMap;
class EditorHost;
class FreeEventFrame;

// The event panel of the shown category beside the selected rule's event
// list: six panels whose controls choose a rule's events, and the free-event
// frame of the seventh category. Every change is one workspace call; the
// panel then shows the state the workspace answers.
class EventPanels : public QWidget {
    Q_OBJECT
public:
    EventPanels(EditorHost& host, CommandMap& commands, QWidget* parent = nullptr);

    // Shows the panel of the current category with the state of the rule.
    void Refresh();

    QWidget* Control(PanelControl control) const { return controls_[int(control)]; }
    QSpinBox* Spinner(int box) const { return spinners_[box]; }
    QLabel* TotalLabel() const { return total_; }
    QLabel* RangeHeading() const { return rangeHeading_; }
    QLabel* RangeHelp() const { return rangeHelp_; }
    QTreeWidget* EventList() const { return eventList_; }
    FreeEventFrame* FreeEvents() const { return freeEvents_; }
    QWidget* Page(int category) const;

private:
    QWidget* BuildingPanel();
    QWidget* ResearchPanel();
    QWidget* UnitPanel();
    QWidget* ResourcePanel();
    QWidget* AttackPanel();
    QWidget* RangePanel();

    QComboBox* Picker(PanelControl control, const QString& name, const QStringList& items = {});
    QWidget* Box(PanelControl control, const QString& name, const QString& unit = {});
    template <typename T> T* Own(PanelControl control, T* widget, const QString& name);

    EditorHost& host_;
    std::array<QWidget*, kPanelControlCount> controls_{};
    std::array<QSpinBox*, 4> spinners_{};
    QStackedWidget* pages_ = nullptr;
    QWidget* allocation_ = nullptr;
    QWidget* market_ = nullptr;
    QWidget* percentFrame_ = nullptr;
    QWidget* groupFrame_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* rangeHeading_ = nullptr;
    QLabel* rangeHelp_ = nullptr;
    QTreeWidget* eventList_ = nullptr;
    FreeEventFrame* freeEvents_ = nullptr;
};

} // namespace rw
