#include "model/GroupSection.h"

#include "model/Numeric.h"

#include <QStringList>

namespace rw {

namespace {

constexpr std::array<int, kGroupSectionCount> kSizes = {18, 24, 6, 8, 5, 5};

} // namespace

int GroupSectionSize(GroupSection section) {
    return kSizes[int(section)];
}

bool IsCheckListSection(GroupSection section) {
    return section == GroupSection::Civilisation || section == GroupSection::MapType;
}

GroupSelection GroupSelection::Empty() {
    GroupSelection selection;
    for (int s = 0; s < kGroupSectionCount; ++s)
        selection.states[s] = QList<int>(kSizes[s], 0);
    return selection;
}

QString GetIfDefDat(const GroupSelection& selection) {
    QStringList sections;
    for (const QList<int>& states : selection.states) {
        QStringList values;
        for (int state : states)
            values << QString::number(state);
        sections << values.join(QLatin1Char(','));
    }
    return sections.join(QLatin1Char('\\'));
}

void LoadIfDefDat(GroupSelection& selection, const QString& data) {
    const QStringList sections = data.split(QLatin1Char('\\'));
    for (int s = 0; s < kGroupSectionCount && s < sections.size(); ++s) {
        const QStringList values = sections[s].split(QLatin1Char(','));
        QList<int>& states = selection.states[s];
        for (int v = 0; v < states.size() && v < values.size(); ++v) {
            const std::optional<long long> value = FloorNumber(values[v]);
            if (!value)
                continue;
            states[v] = IsCheckListSection(GroupSection(s)) ? (*value != 0 ? 1 : 0) : int(*value);
        }
    }
}

} // namespace rw
