#pragma once

#include "events/PanelView.h"

#include <QStackedWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QTreeWidget;

namespace rw {

class CommandMap;
class EditorHost;
class FreeEventFrame;

// One frame per category, the shown category's in front: six panels whose
// controls choose a rule's events, and the free-event frame of the seventh,
// each beside the list of the rule's event lines. Every change is one
// workspace call; the panel then shows the state the workspace answers.
class EventPanels : public QStackedWidget {
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
    // The event list of the shown category's frame.
    QTreeWidget* EventList() const;
    FreeEventFrame* FreeEvents() const { return freeEvents_; }
    QWidget* Page(int category) const { return widget(category - 1); }

private:
    void AddPage(const QString& caption, QWidget* controls);
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
    QWidget* allocation_ = nullptr;
    QWidget* market_ = nullptr;
    QWidget* percentFrame_ = nullptr;
    QWidget* groupFrame_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* rangeHeading_ = nullptr;
    QLabel* rangeHelp_ = nullptr;
    std::array<QTreeWidget*, 7> eventLists_{};
    FreeEventFrame* freeEvents_ = nullptr;
};

} // namespace rw
