#pragma once

#include "model/GroupSection.h"
#include "model/Project.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace rw {

struct GroupSectionInfo {
    QString heading; // "プレイヤーの文明" ...
    QString popupId; // "Idciv" ...
};

const GroupSectionInfo& SectionInfo(GroupSection section);
// The captions of a section's choices, in order.
const QStringList& ChoiceCaptions(GroupSection section);
std::optional<GroupSection> SectionFromPopupId(const QString& popupId);

// The ticks of the group-condition view. A check-list row is ticked or not;
// a check box holds a state number (0 clear, 1 ticked, other states
// greyed), which is what the data string records.
class GroupChoices {
public:
    GroupChoices(); // nothing ticked

    // Sets the choices from a data string. Values that are missing, or that
    // are not numbers, leave their choices as they were.
    void Load(const QString& data);
    // The data string of the current choices (six sections, "\" between).
    QString Data() const;

    int State(GroupSection section, int index) const;
    // Ticked for the look and the load conditions: a ticked row, a box in state 1.
    bool IsTicked(GroupSection section, int index) const;
    // Unticked for the load conditions: a clear row, a box in state 0.
    void SetState(GroupSection section, int index, int state);

    // The pop-up commands on one section.
    void SelectAll(GroupSection section);
    void ClearAll(GroupSection section);
    void Invert(GroupSection section);

    const GroupSelection& Selection() const { return selection_; }

    bool operator==(const GroupChoices&) const = default;

private:
    GroupSelection selection_;
};

// The "#load-if-defined" / "#load-if-not-defined" lines of a selection,
// each ending in CR LF. A section with none or all of its choices ticked
// adds nothing; one tick names it; more name every unticked choice.
QString GetIfDefScript(const GroupSelection& selection);

// Stores the choices into the root condition of the category (selected
// position 1) or into fields 13 and 14 of the selected group start. Answers
// whether anything stored changed.
bool StoreGroupChoices(const GroupChoices& choices, Project& project, int category, int selected);

// The data string stored for the selected root group or group; empty for a rule.
QString StoredGroupData(const Project& project, int category, int selected);

} // namespace rw
