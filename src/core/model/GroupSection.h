#pragma once

#include <QList>
#include <QString>

#include <array>

namespace rw {

// The six sections of a group's execution conditions, in their fixed order.
enum class GroupSection { Civilisation, MapType, MapSize, PopulationCap, Difficulty, Victory };
inline constexpr int kGroupSectionCount = 6;

// Number of choices of each section: 18, 24, 6, 8, 5, 5.
int GroupSectionSize(GroupSection section);
// Civilisations and map types are check lists whose rows are ticked or
// not; the other sections are check boxes, which may hold other states.
bool IsCheckListSection(GroupSection section);

// The ticks of a group-condition view: per section, one state per choice.
// 1 is ticked and 0 unticked; a check box may hold another state (grey),
// which is neither.
struct GroupSelection {
    std::array<QList<int>, kGroupSectionCount> states;

    // All choices unticked, every section at its full size.
    static GroupSelection Empty();
    QList<int>& Section(GroupSection s) { return states[int(s)]; }
    const QList<int>& Section(GroupSection s) const { return states[int(s)]; }

    bool operator==(const GroupSelection&) const = default;
};

// The stored data string: each section's states joined by ",", the
// sections joined by "\".
QString GetIfDefDat(const GroupSelection& selection);

// Sets the choices from a data string, as far as it goes: values beyond a
// section's size are ignored, missing ones leave the choice as it was.
void LoadIfDefDat(GroupSelection& selection, const QString& data);

} // namespace rw
