#pragma once

#include "events/PanelTable.h"
#include "events/PanelView.h"

#include <QStackedWidget>

#include <array>

class QBoxLayout;
class QFormLayout;
class QLabel;
class QSpinBox;
class QTreeWidget;

namespace rw {

class CommandMap;
class EditorHost;
class FreeEventFrame;

// One frame per category, the shown category's in front: six panels whose
// controls choose a rule's events, and the free-event frame of the seventh,
// each beside the list of the rule's event lines. The panels are laid out
// from the panel table, each control in its place. Every change is one
// workspace call; the panel then shows the state the workspace answers.
class EventPanels : public QStackedWidget {
    Q_OBJECT
public:
    EventPanels(EditorHost& host, CommandMap& commands, QWidget* parent = nullptr);

    // Shows the panel of the current category with the state of the rule.
    void Refresh();

    QWidget* Control(PanelControl control) const { return controls_[int(control)]; }
    QSpinBox* Spinner(int box) const { return spinners_.value(box); }
    QLabel* TotalLabel() const { return total_; }
    QLabel* RangeHeading() const { return rangeHeading_; }
    QLabel* RangeHelp() const { return rangeHelp_; }
    // The event list of the shown category's frame.
    QTreeWidget* EventList() const;
    FreeEventFrame* FreeEvents() const { return freeEvents_; }
    QWidget* Page(int category) const { return widget(category - 1); }

private:
    void AddPage(const QString& caption, QWidget* controls);
    QWidget* MakePanel(int category);
    QWidget* MakePlace(PanelPlace place, const QList<const PanelControlRow*>& rows);
    QWidget* Make(const PanelControlRow& row);
    void AddToForm(QFormLayout* form, const PanelControlRow& row);
    void AddToRow(QBoxLayout* line, const PanelControlRow& row);
    void AddWithSpinner(QFormLayout* grid, const PanelControlRow& row);
    void AddRangeNotes(QBoxLayout* layout);

    void ShowEventRows(const QList<EventListRow>& rows);
    void ShowControls(const PanelView& view);
    void ShowPlaces(const PanelView& view);

    EditorHost& host_;
    std::array<QWidget*, kPanelControlCount> controls_{};
    std::array<QSpinBox*, kPanelControlCount> spinnerOf_{};
    QList<QSpinBox*> spinners_;
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
