#include "rules/GroupChoices.h"

#include "model/CategoryTree.h"
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
    case GroupSection::Victory:
        break;
    }
    return VocabTable::Victory;
}

const std::array<GroupSectionInfo, kGroupSectionCount>& Infos() {
    static const std::array<GroupSectionInfo, kGroupSectionCount> infos = {{
        {QStringLiteral("プレイヤーの文明"), QStringLiteral("Idciv")},
        {QStringLiteral("マップ種別"), QStringLiteral("Idmap")},
        {QStringLiteral("マップサイズ"), QStringLiteral("Idmapsize")},
        {QStringLiteral("人口上限"), QStringLiteral("Idpop")},
        {QStringLiteral("難易度"), QStringLiteral("Iddiff")},
        {QStringLiteral("ゲームの種類"), QStringLiteral("Idvic")},
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
        CaptionsFromTable(GroupSection::Victory),
    };
    return captions[Index(section)];
}

std::optional<GroupSection> SectionFromPopupId(const QString& popupId) {
    for (int s = 0; s < kGroupSectionCount; ++s)
        if (Infos()[s].popupId == popupId)
            return GroupSection(s);
    return std::nullopt;
}

GroupChoices::GroupChoices() : selection_(GroupSelection::Empty()) {}

void GroupChoices::Load(const QString& data) {
    LoadIfDefDat(selection_, data);
}

QString GroupChoices::Data() const {
    return GetIfDefDat(selection_);
}

int GroupChoices::State(GroupSection section, int index) const {
    return selection_.Section(section).value(index, 0);
}

bool GroupChoices::IsTicked(GroupSection section, int index) const {
    return State(section, index) == 1;
}

void GroupChoices::SetState(GroupSection section, int index, int state) {
    QList<int>& states = selection_.Section(section);
    if (index < 0 || index >= states.size())
        return;
    if (IsCheckListSection(section))
        state = state != 0 ? 1 : 0;
    states[index] = state;
}

void GroupChoices::SelectAll(GroupSection section) {
    selection_.Section(section).fill(1);
}

void GroupChoices::ClearAll(GroupSection section) {
    selection_.Section(section).fill(0);
}

void GroupChoices::Invert(GroupSection section) {
    for (int& state : selection_.Section(section))
        state = state == 0 ? 1 : 0;
}

QString GetIfDefScript(const GroupSelection& selection) {
    QString script;
    for (int s = 0; s < kGroupSectionCount; ++s) {
        const QList<int>& states = selection.states[s];
        const QList<GameSettingItem>& items = GameSettingItems(TableOf(GroupSection(s)));
        const int n = int(states.count(1));
        const int total = int(states.size());
        if (n == 0 || n == total)
            continue;
        for (int k = 0; k < total && k < items.size(); ++k) {
            if (n == 1 && states[k] == 1)
                script +=
                    QLatin1String("#load-if-defined ") + items[k].symbol + QLatin1String("\r\n");
            else if (n >= 2 && states[k] == 0)
                script += QLatin1String("#load-if-not-defined ") + items[k].symbol +
                          QLatin1String("\r\n");
        }
    }
    return script;
}

bool StoreGroupChoices(const GroupChoices& choices, Project& project, int category, int selected) {
    if (category < 1 || category > kCategoryCount)
        return false;
    const QString data = choices.Data();
    const QString script = GetIfDefScript(choices.Selection());
    QString* storedData = nullptr;
    QString* storedScript = nullptr;
    if (selected == 1) {
        RootCondition& root = project.settings.rootConditions[category - 1];
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
        return project.settings.rootConditions[category - 1].conditionData;
    const RuleEntry* entry = EntryAt(project.CategoryAt(category), selected);
    return entry && entry->IsGroupStart() ? entry->groupConditionData : QString();
}

} // namespace rw
