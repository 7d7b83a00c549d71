#include "rules/GroupChoices.h"

#include "model/CategoryTree.h"
#include "model/Numeric.h"
#include "vocabulary/Vocabulary.h"

namespace rw {

namespace {

int Index(GroupSection section) {
    return int(section);
}

VocabTable TableOf(GroupSection section) {
    switch (section) {
    case GroupSection::Civilisation:
        return VocabTable::Civilisation;
    case GroupSection::MapType:
        return VocabTable::MapType;
    case GroupSection::MapSize:
        return VocabTable::MapSize;
    case GroupSection::PopulationCap:
        return VocabTable::PopulationCap;
    case GroupSection::Difficulty:
        return VocabTable::Difficulty;
    case GroupSection::GameType:
        break;
    }
    return VocabTable::Victory;
}

const std::array<GroupSectionInfo, kGroupSectionCount>& Infos() {
    static const std::array<GroupSectionInfo, kGroupSectionCount> infos = {{
        {QStringLiteral("プレイヤーの文明"), QStringLiteral("Idciv"), true, 18},
        {QStringLiteral("マップ種別"), QStringLiteral("Idmap"), true, 24},
        {QStringLiteral("マップサイズ"), QStringLiteral("Idmapsize"), false, 6},
        {QStringLiteral("人口上限"), QStringLiteral("Idpop"), false, 8},
        {QStringLiteral("難易度"), QStringLiteral("Iddiff"), false, 5},
        {QStringLiteral("ゲームの種類"), QStringLiteral("Idvic"), false, 5},
    }};
    return infos;
}

QStringList CaptionsFromTable(GroupSection section) {
    QStringList captions;
    for (const GameSettingItem& item : GameSettingItems(TableOf(section)))
        captions << item.caption;
    return captions;
}

} // namespace

const GroupSectionInfo& SectionInfo(GroupSection section) {
    return Infos()[Index(section)];
}

const QStringList& ChoiceCaptions(GroupSection section) {
    // Map sizes and difficulties carry fixed captions; the others come from
    // the game's tables.
    static const std::array<QStringList, kGroupSectionCount> captions = {
        CaptionsFromTable(GroupSection::Civilisation),
        CaptionsFromTable(GroupSection::MapType),
        QStringList{QStringLiteral("極小"), QStringLiteral("小"), QStringLiteral("普通"),
                    QStringLiteral("大"), QStringLiteral("広大"), QStringLiteral("特大")},
        CaptionsFromTable(GroupSection::PopulationCap),
        QStringList{QStringLiteral("非常に簡単"), QStringLiteral("簡単"), QStringLiteral("普通"),
                    QStringLiteral("難しい"), QStringLiteral("非常に難しい")},
        CaptionsFromTable(GroupSection::GameType),
    };
    return captions[Index(section)];
}

std::optional<GroupSection> SectionFromPopupId(const QString& popupId) {
    for (int s = 0; s < kGroupSectionCount; ++s)
        if (Infos()[s].popupId == popupId)
            return GroupSection(s);
    return std::nullopt;
}

GroupChoices::GroupChoices() {
    for (int s = 0; s < kGroupSectionCount; ++s)
        states_[s] = QList<int>(Infos()[s].count, 0);
}

void GroupChoices::Load(const QString& data) {
    const QStringList sections = data.split(QLatin1Char('\\'));
    for (int s = 0; s < kGroupSectionCount && s < sections.size(); ++s) {
        const QStringList values = sections[s].split(QLatin1Char(','));
        QList<int>& states = states_[s];
        for (int v = 0; v < states.size() && v < values.size(); ++v) {
            const std::optional<long long> number = FloorNumber(values[v]);
            if (!number)
                continue;
            if (Infos()[s].checkList)
                states[v] = *number != 0 ? 1 : 0;
            else if (*number >= 0 && *number <= 2)
                states[v] = int(*number);
        }
    }
}

QString GroupChoices::Data() const {
    QString data;
    for (int s = 0; s < kGroupSectionCount; ++s) {
        if (s > 0)
            data += QLatin1Char('\\');
        for (int v = 0; v < states_[s].size(); ++v) {
            if (v > 0)
                data += QLatin1Char(',');
            data += QString::number(states_[s][v]);
        }
    }
    return data;
}

int GroupChoices::State(GroupSection section, int index) const {
    return states_[Index(section)].value(index, 0);
}

bool GroupChoices::IsTicked(GroupSection section, int index) const {
    return State(section, index) == 1;
}

bool GroupChoices::IsUnticked(GroupSection section, int index) const {
    return State(section, index) == 0;
}

void GroupChoices::SetState(GroupSection section, int index, int state) {
    QList<int>& states = states_[Index(section)];
    if (index < 0 || index >= states.size())
        return;
    if (SectionInfo(section).checkList)
        state = state != 0 ? 1 : 0;
    states[index] = state;
}

void GroupChoices::SelectAll(GroupSection section) {
    states_[Index(section)].fill(1);
}

void GroupChoices::ClearAll(GroupSection section) {
    states_[Index(section)].fill(0);
}

void GroupChoices::Invert(GroupSection section) {
    for (int& state : states_[Index(section)])
        state = state == 0 ? 1 : 0;
}

QString GroupChoicesScript(const GroupChoices& choices) {
    QString script;
    for (int s = 0; s < kGroupSectionCount; ++s) {
        const GroupSection section = GroupSection(s);
        const QList<GameSettingItem>& items = GameSettingItems(TableOf(section));
        const int count = SectionInfo(section).count;
        int ticked = 0;
        int lastTicked = -1;
        for (int v = 0; v < count; ++v)
            if (choices.IsTicked(section, v)) {
                ++ticked;
                lastTicked = v;
            }
        if (ticked == 0 || ticked == count)
            continue;
        if (ticked == 1) {
            script += QStringLiteral("#load-if-defined ") + items.value(lastTicked).symbol +
                      QStringLiteral("\r\n");
            continue;
        }
        for (int v = 0; v < count; ++v)
            if (choices.IsUnticked(section, v))
                script += QStringLiteral("#load-if-not-defined ") + items.value(v).symbol +
                          QStringLiteral("\r\n");
    }
    return script;
}

bool StoreGroupChoices(const GroupChoices& choices, Project& project, int category, int selected) {
    if (category < 1 || category > kCategoryCount)
        return false;
    const QString data = choices.Data();
    const QString script = GroupChoicesScript(choices);
    QString* storedData = nullptr;
    QString* storedScript = nullptr;
    if (selected == 1) {
        RootCondition& root = project.rootConditions[category - 1];
        storedData = &root.conditionData;
        storedScript = &root.conditionScript;
    } else {
        RuleEntry* entry = EntryAt(project.CategoryAt(category), selected);
        if (!entry || !entry->IsGroupStart())
            return false;
        storedData = &entry->groupConditionData;
        storedScript = &entry->groupConditionScript;
    }
    const bool changed = *storedData != data || *storedScript != script;
    *storedData = data;
    *storedScript = script;
    return changed;
}

QString StoredGroupData(const Project& project, int category, int selected) {
    if (category < 1 || category > kCategoryCount)
        return {};
    if (selected == 1)
        return project.rootConditions[category - 1].conditionData;
    const RuleEntry* entry = EntryAt(project.CategoryAt(category), selected);
    return entry && entry->IsGroupStart() ? entry->groupConditionData : QString();
}

} // namespace rw
