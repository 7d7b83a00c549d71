#include "workspace/ProjectHistory.h"

#include <algorithm>

namespace rw {

namespace {

// Replaces the run of `from` at `at` by `to` in the entries of one category.
// Entries of the run may have changed since in what the editor fills in by
// itself (preview caches, a group's script shown for the first time); the
// run is replaced all the same, as long as it is there.
bool Splice(QList<RuleEntry>& entries, int at, const QList<RuleEntry>& from,
            const QList<RuleEntry>& to) {
    if (at < 0 || at + from.size() > entries.size())
        return false;
    entries.remove(at, from.size());
    for (int i = 0; i < to.size(); ++i)
        entries.insert(at + i, to[i]);
    return true;
}

bool Apply(Project& project, const ProjectDiff& diff, bool forward) {
    Project changed = project;
    for (const ProjectDiff::Splice& splice : diff.splices) {
        QList<RuleEntry>& entries = changed.categories[splice.category - 1].entries;
        const QList<RuleEntry>& from = forward ? splice.before : splice.after;
        const QList<RuleEntry>& to = forward ? splice.after : splice.before;
        if (!Splice(entries, splice.at, from, to))
            return false;
    }
    if (diff.settingsBefore && diff.settingsAfter) {
        changed.settings = forward ? *diff.settingsAfter : *diff.settingsBefore;
    }
    project = std::move(changed);
    return true;
}

} // namespace

ProjectDiff DiffProjects(const Project& before, const Project& after) {
    ProjectDiff diff;
    for (int c = 0; c < kCategoryCount; ++c) {
        const QList<RuleEntry>& a = before.categories[c].entries;
        const QList<RuleEntry>& b = after.categories[c].entries;
        if (a.isSharedWith(b))
            continue;
        const qsizetype shorter = std::min(a.size(), b.size());
        qsizetype head = 0;
        while (head < shorter && a[head] == b[head])
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
            ++tail;
        if (head == a.size() && head == b.size())
            continue;
        diff.splices << ProjectDiff::Splice{c + 1, int(head), a.mid(head, a.size() - head - tail),
                                            b.mid(head, b.size() - head - tail)};
    }
    if (!(before.settings == after.settings)) {
        diff.settingsBefore = before.settings;
        diff.settingsAfter = after.settings;
    }
    return diff;
}

bool ApplyBackward(Project& project, const ProjectDiff& diff) {
    return Apply(project, diff, false);
}

bool ApplyForward(Project& project, const ProjectDiff& diff) {
    return Apply(project, diff, true);
}

void ProjectHistory::Record(const QString& name, const Project& before, const Project& after,
                            const Place& placeBefore, const Place& placeAfter,
                            const QString& mergeKey) {
    const bool merge = mergeOpen_ && !mergeKey.isEmpty() && !undo_.empty() &&
                       undo_.back().mergeKey == mergeKey && redo_.empty();
    if (merge) {
        // The step on top began earlier: diff from where it began.
        Step& top = undo_.back();
        Project start = before;
        if (ApplyBackward(start, top.diff)) {
            top.diff = DiffProjects(start, after);
            top.placeAfter = placeAfter;
            if (top.diff.IsEmpty()) {
                version_ = top.versionBefore;
                undo_.pop_back();
                mergeOpen_ = false;
            }
            return;
        }
    }
    ProjectDiff diff = DiffProjects(before, after);
    if (diff.IsEmpty())
        return;
    redo_.clear();
    Step step{name, mergeKey, std::move(diff), placeBefore, placeAfter, version_, nextVersion_++};
    version_ = step.versionAfter;
    undo_.push_back(std::move(step));
    while (int(undo_.size()) > limit_)
        undo_.pop_front();
    mergeOpen_ = !mergeKey.isEmpty();
}

void ProjectHistory::Amend(const Project& before, const Project& after) {
    if (!undo_.empty()) {
        Project start = before;
        if (!ApplyBackward(start, undo_.back().diff))
            return Clear();
        undo_.back().diff = DiffProjects(start, after);
    }
    if (!redo_.empty()) {
        Project end = before;
        if (!ApplyForward(end, redo_.back().diff))
            return Clear();
        redo_.back().diff = DiffProjects(after, end);
    }
}

std::optional<ProjectHistory::Place> ProjectHistory::Undo(Project& project) {
    mergeOpen_ = false;
    if (undo_.empty())
        return std::nullopt;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    if (!ApplyBackward(project, step.diff)) {
        Clear();
        return std::nullopt;
    }
    version_ = step.versionBefore;
    const Place place = step.placeBefore;
    redo_.push_back(std::move(step));
    return place;
}

std::optional<ProjectHistory::Place> ProjectHistory::Redo(Project& project) {
    mergeOpen_ = false;
    if (redo_.empty())
        return std::nullopt;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    if (!ApplyForward(project, step.diff)) {
        Clear();
        return std::nullopt;
    }
    version_ = step.versionAfter;
    const Place place = step.placeAfter;
    undo_.push_back(std::move(step));
    return place;
}

void ProjectHistory::Clear() {
    undo_.clear();
    redo_.clear();
    mergeOpen_ = false;
    // A fresh number: no state of the old history compares equal to it.
    version_ = nextVersion_++;
}

} // namespace rw
