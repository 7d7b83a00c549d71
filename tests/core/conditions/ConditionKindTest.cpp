#include "conditions/ConditionKind.h"
#include "conditions/ConditionEditor.h"
#include "conditions/ConditionList.h"
#include "model/Numeric.h"
#include "model/Project.h"

#include <gtest/gtest.h>

using namespace rw;

namespace {

struct KindCase {
    int number;
    const char* tab;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << "kind" << c.number;
}

class ConditionKindTable : public testing::TestWithParam<KindCase> {
protected:
    const ConditionKind& Kind() const {
        const ConditionKind* kind = FindConditionKind(GetParam().number);
        EXPECT_NE(kind, nullptr);
        return *kind;
    }
    QStringList Initials() const {
        QStringList initials;
        for (const ConditionField& field : Kind().fields)
            initials << field.initial;
        return initials;
    }
};

// The tab position is the kind number stored in every project: the order
// cannot change.
TEST_P(ConditionKindTable, StandsAtItsTab) {
    EXPECT_EQ(Kind().number, GetParam().number);
    EXPECT_EQ(Kind().tab, QString::fromUtf8(GetParam().tab));
    EXPECT_NE(Kind().compose, nullptr);
}

TEST_P(ConditionKindTable, FieldsAreConsistent) {
    const ConditionKind& kind = Kind();
    ASSERT_GE(kind.fields.size(), 1);
    ASSERT_LE(kind.fields.size(), 5); // the edit data holds five fields at most
    int numbers = 0;
    for (int i = 0; i < kind.fields.size(); ++i) {
        const ConditionField& field = kind.fields[i];
        SCOPED_TRACE(i);
        EXPECT_FALSE(field.label.isEmpty());
        const bool number = field.type == ConditionFieldType::Number;
        numbers += number;
        EXPECT_EQ(field.rows == ConditionRows::None, number);
        EXPECT_TRUE(number || (!field.notNegative && !field.correctedOnLeaving));
        if (field.follows >= 0) {
            EXPECT_LT(field.follows, i);
            EXPECT_EQ(kind.fields[field.follows].type, ConditionFieldType::Picker);
        }
        const bool followsCategory = field.rows == ConditionRows::Unit ||
                                     field.rows == ConditionRows::Technology ||
                                     field.rows == ConditionRows::StrategicNumber;
        EXPECT_EQ(field.follows >= 0, followsCategory);
        if (field.rows == ConditionRows::Unit) {
            EXPECT_GE(kind.PlayerIndex(), 0);
            EXPECT_LT(kind.PlayerIndex(), i);
        }
    }
    EXPECT_LE(numbers, 1);
    // The comparison closes the edit data wherever there is one.
    if (kind.ComparisonIndex() >= 0) {
        EXPECT_EQ(kind.ComparisonIndex(), kind.fields.size() - 1);
    } else {
        EXPECT_FALSE(kind.comparisonOnFirstRowOnly);
    }
    // The include box counts for the own player: the kind must have one.
    if (!kind.include.isEmpty()) {
        EXPECT_GE(kind.PlayerIndex(), 0);
    }
}

TEST_P(ConditionKindTable, InitialValuesComposeAndSplitBack) {
    const ConditionKind& kind = Kind();
    const QStringList initials = Initials();
    const ProjectNameRows names = ProjectNameRows::Of(Project());
    for (int i = 0; i < kind.fields.size(); ++i) {
        if (kind.fields[i].type != ConditionFieldType::Picker)
            continue;
        EXPECT_LT(initials[i].toInt(), FieldRows(kind, i, initials, names).size()) << i;
    }
    const ConditionTriple triple = Compose(kind.number, initials);
    ASSERT_FALSE(triple.IsError()) << triple.cap.toStdString();
    const SplitEditdatResult split = Split(triple.editdat);
    EXPECT_EQ(split.kind, kind.number);
    EXPECT_EQ(split.fields, initials);
}

TEST_P(ConditionKindTable, EditorRefillsWhatItComposed) {
    const ConditionKind& kind = Kind();
    // Every picker on its last row, so that no field is left at a default.
    QStringList fields = Initials();
    const ProjectNameRows names = ProjectNameRows::Of(Project());
    for (int i = 0; i < kind.fields.size(); ++i) {
        if (kind.fields[i].type == ConditionFieldType::Number)
            fields[i] = QStringLiteral("7");
        else
            fields[i] = QString::number(FieldRows(kind, i, fields, names).size() - 1);
    }
    const ConditionTriple triple = Compose(kind.number, fields);
    ASSERT_FALSE(triple.IsError()) << triple.cap.toStdString();

    Project project;
    ConditionEditor editor;
    ConditionList list;
    list.SetEntries({ConditionEntry{0, triple.cap, triple.editdat, triple.script}});
    ASSERT_TRUE(editor.IfEditCommand(list, project));
    EXPECT_EQ(editor.Tab(), kind.number);
    EXPECT_EQ(editor.Composed(), triple);
}

TEST_P(ConditionKindTable, NumberErrorsNameTheKindsNumbers) {
    const ConditionKind& kind = Kind();
    const int index = kind.NumberIndex();
    if (index < 0)
        GTEST_SKIP() << "no number box";
    QStringList fields = Initials();
    fields[index] = QStringLiteral("x");
    EXPECT_EQ(Compose(kind.number, fields).cap, kind.errorCaption);
    fields[index] = QString::number(kind.fields[index].Lowest() - 1);
    const ConditionTriple below = Compose(kind.number, fields);
    EXPECT_TRUE(below.IsError());
    EXPECT_EQ(below.cap, kind.rangeSubject + ScriptNumberHint(kind.fields[index].Lowest()));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ConditionKindTable,
                         testing::Values(KindCase{1, "資源"}, KindCase{2, "建物"},
                                         KindCase{3, "ユニット"}, KindCase{4, "研究"},
                                         KindCase{5, "人口"}, KindCase{6, "時代"},
                                         KindCase{7, "時間"}, KindCase{8, "タイマー"},
                                         KindCase{9, "変数/乱数"}, KindCase{10, "戦略数値"},
                                         KindCase{11, "距離"}));

TEST(ConditionKinds, TableHoldsEveryTabOnce) {
    EXPECT_EQ(ConditionKinds().size(), 11);
    EXPECT_EQ(FindConditionKind(0), nullptr);
    EXPECT_EQ(FindConditionKind(12), nullptr);
}

} // namespace
