#pragma once

#include "model/Project.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

namespace rw {

// What one change did to a project, kept small: for each category whose
// entries changed, only the run of entries that differs (the entries before
// and after it are the same on both sides), and the project's settings only
// when they changed.
struct ProjectDiff {
    struct Splice {
        int category = 1;
        int at = 0; // index of the first differing entry
        QList<RuleEntry> before;
        QList<RuleEntry> after;
    };
    QList<Splice> splices;
    std::optional<ProjectSettings> settingsBefore; // both set, or neither
    std::optional<ProjectSettings> settingsAfter;

    bool IsEmpty() const { return splices.isEmpty() && !settingsBefore; }
};

// The difference that turns `before` into `after`.
ProjectDiff DiffProjects(const Project& before, const Project& after);
// Turns the project back into what it was before the change (backward) or
// into what it was after it (forward). False, and the project untouched,
// when the project cannot hold the change (its categories are too short).
bool ApplyBackward(Project& project, const ProjectDiff& diff);
bool ApplyForward(Project& project, const ProjectDiff& diff);

// The undo history of a project: named steps, undone and redone in order.
// Every state the history can reach has a version number, so that the
// editor can tell whether the project is back in the state it was saved in.
class ProjectHistory {
public:
    // Where the editor was: the category, the selected tree node and the
    // selected condition. The file the project is saved to is no part of
    // it: undo changes the project, never where it goes.
    struct Place {
        int category = 1;
        int selected = 1;
        int condition = 0;
        bool operator==(const Place&) const = default;
    };

    explicit ProjectHistory(int limit = 500) : limit_(limit) {}

    // A change the editor made: `before` is the project as it was, `after`
    // as it is now. A change with the same non-empty merge key as the step
    // on top (typing in one box) joins that step. Empty changes are not
    // recorded. Recording drops what could be redone.
    void Record(const QString& name, const Project& before, const Project& after,
                const Place& placeBefore, const Place& placeAfter,
                const QString& mergeKey = QString());
    // Ends merging: the next change starts a step of its own.
    void CloseStep() { mergeOpen_ = false; }
    // A change the editor made by itself, no command of the user's (a
    // preview cache, a group's script filled in when it is shown): the step
    // to undo ends, and the step to redo begins, at `after` instead of
    // `before`, so that undo and redo still give back exactly the project.
    void Amend(const Project& before, const Project& after);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    QString UndoName() const { return CanUndo() ? undo_.back().name : QString(); }
    QString RedoName() const { return CanRedo() ? redo_.back().name : QString(); }
    int UndoDepth() const { return int(undo_.size()); }

    // Undoes (redoes) the newest step on `project`; answers the place to
    // show, or nothing when there was nothing to do or the project was not
    // in the state the step expects (the history is then cleared).
    std::optional<Place> Undo(Project& project);
    std::optional<Place> Redo(Project& project);

    void Clear();
    int Version() const { return version_; }

private:
    struct Step {
        QString name;
        QString mergeKey;
        ProjectDiff diff;
        Place placeBefore;
        Place placeAfter;
        int versionBefore = 0;
        int versionAfter = 0;
    };

    int limit_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    bool mergeOpen_ = false;
    int version_ = 0;
    int nextVersion_ = 1;
};

} // namespace rw
