#include "events/FreeEventStrategicNumber.h"

namespace rw {

QStringList FreeEventStrategicNumber::Headings() {
    return ChildTexts(StrategicNumberTree(), 0);
}

void FreeEventStrategicNumber::SetHeading(int position) {
    if (!ValidPosition(position, HeadingCount(StrategicNumberTree())))
        return;
    heading_ = position;
    entry_ = 0;
}

QStringList FreeEventStrategicNumber::Entries() const {
    return HeadingChildren(StrategicNumberTree(), heading_);
}

void FreeEventStrategicNumber::SetEntry(int position) {
    if (ValidPosition(position, EntryNodes().size()))
        entry_ = position;
}

void FreeEventStrategicNumber::SetValue(const QString& text) {
    value_ = text;
}

void FreeEventStrategicNumber::Reset() {
    SetHeading(0);
    value_ = QStringLiteral("0");
}

void FreeEventStrategicNumber::Restore(const StoredFields& fields) {
    SetHeading(fields.Position(0));
    SetEntry(fields.Position(1));
    SetValue(fields.Box(2));
}

QList<int> FreeEventStrategicNumber::EntryNodes() const {
    const VocabTree& tree = StrategicNumberTree();
    const int node = HeadingNode(tree, heading_);
    return node ? ChildPositions(tree, node) : QList<int>();
}

FreeEventPreview FreeEventStrategicNumber::Preview() const {
    const QStringList fields{Num(heading_), Num(entry_), value_};
    const BoxNumber value = Whole(value_);
    if (!value.text)
        return Invalid(fields, value_, value);
    const QString v = *value.text;
    const QList<int> nodes = EntryNodes();
    if (!ValidPosition(entry_, nodes.size()))
        return Invalid(fields);
    const int node = nodes[entry_];
    // Node p stands for table row p - 1; the row holds the symbol.
    const QString row = TableRows(VocabTable::StrategicNumber)[node - 1];
    const QString symbol = SplitFields(row, QLatin1Char(','))[0];
    const QString caption = StrategicNumberTree()[node - 1].text;
    return Make(caption + QStringLiteral("を") + v + QStringLiteral("に設定する"),
                QStringLiteral("set-strategic-number ") + symbol + QLatin1Char(' ') + v,
                {Num(heading_), Num(entry_), v});
}

} // namespace rw
