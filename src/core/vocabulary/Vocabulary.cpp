#include "vocabulary/Vocabulary.h"

namespace rw {

namespace {

QString DropMarks(QStringView field) {
    QString out;
    out.reserve(field.size());
    for (QChar c : field) {
        if (c != u'*' && c != u'\\')
            out.append(c);
    }
    return out;
}

RowFields SplitAt(QStringView row, QChar separator) {
    const qsizetype first = row.indexOf(separator);
    if (first < 0)
        return {row.toString(), QString()};
    const qsizetype second = row.indexOf(separator, first + 1);
    const QStringView rest =
        second < 0 ? row.mid(first + 1) : row.mid(first + 1, second - first - 1);
    return {row.left(first).toString(), rest.toString()};
}

// Text after the first space with one leading "*" removed: how a building
// row reads in the pickers and in the lookup.
QStringView BuildingCaption(QStringView row) {
    const qsizetype space = row.indexOf(u' ');
    if (space < 0)
        return {};
    QStringView caption = row.mid(space + 1);
    if (caption.startsWith(u'*'))
        caption = caption.mid(1);
    return caption;
}

QStringView BeforeFirst(QStringView row, QChar separator) {
    const qsizetype at = row.indexOf(separator);
    return at < 0 ? row : row.left(at);
}

} // namespace

bool IsHeadingRow(QStringView row) {
    return row.startsWith(u'*');
}

bool IsSubCategoryRow(QStringView row) {
    return row.startsWith(u'\\');
}

RowFields SplitSpaceRow(QStringView row) {
    const RowFields raw = SplitAt(row, u' ');
    return {DropMarks(raw.first), DropMarks(raw.second)};
}

RowFields SplitCommaRow(QStringView row) {
    return SplitAt(row, u',');
}

QStringList SplitFields(QStringView text, QChar separator) {
    QStringList fields;
    for (QStringView field : text.split(separator, Qt::KeepEmptyParts))
        fields.append(field.toString());
    return fields;
}

QString BuildingSymbol(QStringView caption) {
    for (const QString& row : TableRows(VocabTable::Building)) {
        if (row.indexOf(u' ') < 0 || BuildingCaption(row) != caption)
            continue;
        QStringView symbol = BeforeFirst(row, u' ');
        if (symbol.startsWith(u":-"))
            symbol = symbol.mid(2);
        return symbol.toString();
    }
    return {};
}

QString UnitSymbol(QStringView caption) {
    for (const QString& row : TableRows(VocabTable::Unit)) {
        if (SplitSpaceRow(row).second != caption)
            continue;
        QStringView symbol = BeforeFirst(row, u' ');
        if (IsHeadingRow(symbol))
            symbol = symbol.mid(1);
        return symbol.toString();
    }
    return {};
}

QString TechnologySymbol(QStringView caption) {
    for (const QString& row : TableRows(VocabTable::Technology)) {
        if (IsHeadingRow(row))
            continue;
        const qsizetype comma = row.indexOf(u',');
        if (comma < 0 || QStringView(row).mid(comma + 1) != caption)
            continue;
        return row.left(comma);
    }
    return {};
}

const QList<BuildingPickerItem>& BuildingPickerItems() {
    static const QList<BuildingPickerItem> items = [] {
        QList<BuildingPickerItem> list;
        for (const QString& row : TableRows(VocabTable::Building)) {
            const qsizetype space = row.indexOf(u' ');
            const QStringView raw = space < 0 ? QStringView() : QStringView(row).mid(space + 1);
            const bool economy = raw.startsWith(u'*');
            const bool wall = row.startsWith(u':');
            list.append({BuildingCaption(row).toString(),
                         economy || wall ? BuildingPicture::Second : BuildingPicture::First});
        }
        return list;
    }();
    return items;
}

const QStringList& PlainBuildingPickerItems() {
    static const QStringList items = [] {
        QStringList list;
        for (const QString& row : TableRows(VocabTable::Building))
            list.append(BuildingCaption(row).toString());
        return list;
    }();
    return items;
}

const QStringList& UnitCategoryPickerItems() {
    static const QStringList items = [] {
        QStringList list;
        for (const QString& row : TableRows(VocabTable::Unit)) {
            if (IsHeadingRow(row))
                list.append(SplitSpaceRow(row).second);
        }
        return list;
    }();
    return items;
}

const QStringList& TechnologyCategoryPickerItems() {
    static const QStringList items = [] {
        QStringList list;
        for (const QString& row : TableRows(VocabTable::Technology)) {
            if (IsHeadingRow(row))
                list.append(row.mid(1));
        }
        return list;
    }();
    return items;
}

const QList<GameSettingItem>& GameSettingItems(VocabTable table) {
    auto build = [](VocabTable t) {
        QList<GameSettingItem> list;
        for (const QString& row : TableRows(t)) {
            const RowFields f = SplitSpaceRow(row);
            list.append({f.first, f.second});
        }
        return list;
    };
    static const QList<GameSettingItem> victory = build(VocabTable::Victory);
    static const QList<GameSettingItem> mapSize = build(VocabTable::MapSize);
    static const QList<GameSettingItem> population = build(VocabTable::PopulationCap);
    static const QList<GameSettingItem> difficulty = build(VocabTable::Difficulty);
    static const QList<GameSettingItem> civilisation = build(VocabTable::Civilisation);
    static const QList<GameSettingItem> mapType = build(VocabTable::MapType);
    static const QList<GameSettingItem> none;
    switch (table) {
    case VocabTable::Victory:
        return victory;
    case VocabTable::MapSize:
        return mapSize;
    case VocabTable::PopulationCap:
        return population;
    case VocabTable::Difficulty:
        return difficulty;
    case VocabTable::Civilisation:
        return civilisation;
    case VocabTable::MapType:
        return mapType;
    default:
        return none;
    }
}

} // namespace rw
