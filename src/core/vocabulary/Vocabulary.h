#pragma once

// The game's vocabulary: ten fixed tables of identifiers with their Japanese
// captions, compiled into the program, plus everything the editors derive
// from them (splitters, caption-to-symbol lookups, picker contents, trees).
// All of it is read-only; the tables and the trees are built once on first
// use and handed out by reference.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace rw {

// ---------------------------------------------------------------------------
// Tables
// ---------------------------------------------------------------------------

enum class VocabTable {
    Victory,         // 5 space rows
    MapSize,         // 6 space rows
    PopulationCap,   // 8 space rows
    Difficulty,      // 5 space rows
    Civilisation,    // 18 space rows
    MapType,         // 24 space rows
    Building,        // 34 space rows; "*" caption = economy building, ":" symbol = wall/gate
    StrategicNumber, // 103 rows (8 headings): "*heading" or "symbol,default,caption"
    Unit,       // 174 rows (18 headings): "*classid caption" headings, "symbol caption" entries
    Technology, // 155 rows (14 headings): "*heading" or "symbol,caption"
};

// The rows of a table, in table order, exactly as stored (trailing blanks
// included). Row positions are what pickers and editors address.
const QStringList& TableRows(VocabTable table);

// A row opens a category when it begins with "*".
bool IsHeadingRow(QStringView row);
// A unit or technology row opens a sub-category when it begins with "\".
bool IsSubCategoryRow(QStringView row);

// ---------------------------------------------------------------------------
// Splitters
// ---------------------------------------------------------------------------

struct RowFields {
    QString first;
    QString second;
    bool operator==(const RowFields&) const = default;
};

// Space splitter: first = text before the first space, second = text between
// the first and second space (the rest is ignored); every "*" and "\" is
// dropped from both. "*904 町の人グループ" -> {"904", "町の人グループ"}.
// A row without a space gives the whole (cleaned) row and an empty second.
RowFields SplitSpaceRow(QStringView row);

// Comma splitter: text before the first comma and text between the first and
// second comma, nothing dropped.
RowFields SplitCommaRow(QStringView row);

// General splitter: every field between separators, zero-based, empty fields
// kept ("a,,b" -> {"a", "", "b"}; "" -> {""}).
QStringList SplitFields(QStringView text, QChar separator);

// ---------------------------------------------------------------------------
// Caption -> symbol lookups. First matching row in table order; empty text
// when nothing matches. Captions compare exactly.
// ---------------------------------------------------------------------------

// Caption = text after the first space with one leading "*" removed; result =
// text before the first space with a leading ":-" removed. So "柵(狭い)" gives
// "palisade-wall" but "石壁系(狭い)" gives ":stone-wall-line" and "門(狭い)"
// gives ":939".
QString BuildingSymbol(QStringView caption);

// Caption = second field of SplitSpaceRow; result = text before the first
// space with a leading "*" removed, so a category caption ("町の人グループ")
// gives its class id ("904").
QString UnitSymbol(QStringView caption);

// Headings are skipped; caption = text after the first comma, result = text
// before it.
QString TechnologySymbol(QStringView caption);

// ---------------------------------------------------------------------------
// Picker contents. Every picker starts with its first item selected; that is
// the window's job, these are just the items.
// ---------------------------------------------------------------------------

enum class BuildingPicture {
    First,  // ordinary buildings: may be built forward
    Second, // economy buildings ("*" captions) and wall/gate rows
};

struct BuildingPickerItem {
    QString text;
    BuildingPicture picture = BuildingPicture::First;
    bool operator==(const BuildingPickerItem&) const = default;
};

// One item per building row, in table order (34 items): the caption without
// its leading "*" and the picture that goes with it.
const QList<BuildingPickerItem>& BuildingPickerItems();

// The same captions without pictures (condition editor), walls and gates
// included. Item k is building row k.
const QStringList& PlainBuildingPickerItems();

// One item per unit heading, its caption ("町の人グループ" ...), in table
// order (18 items). The main window's event panel drops the last one itself.
const QStringList& UnitCategoryPickerItems();

// One item per technology heading without its "*" ("町の中心" ...), 14 items.
const QStringList& TechnologyCategoryPickerItems();

// A game-setting choice: the game symbol and its Japanese half.
struct GameSettingItem {
    QString symbol;  // "AZTEC-CIV"
    QString caption; // "アステカ"
    bool operator==(const GameSettingItem&) const = default;
};

// The items of one of the six game-setting tables (Victory .. MapType), item
// k from row k through SplitSpaceRow. Any other table gives an empty list.
const QList<GameSettingItem>& GameSettingItems(VocabTable table);

// ---------------------------------------------------------------------------
// Trees (strategic numbers, technologies, units) as plain data.
//
// Nodes are addressed by 1-based position, as the editors count them; node p
// is tree[p - 1]. Every table row becomes exactly one node, so node p stands
// for table row p - 1 and an editor can split that row again for the symbol
// or default of a chosen node.
// ---------------------------------------------------------------------------

struct VocabNode {
    QString key;
    QString text;
    QString tag;
    int parent = 0; // 1-based position of the parent node, 0 at the top level
    bool expanded = true;
    bool operator==(const VocabNode&) const = default;
};

using VocabTree = QList<VocabNode>;

// Headings: top-level, key = the row, text = heading without "*", tag empty.
// Entries: child of the latest heading, key = the row, text = third comma
// field (the caption), tag = the symbol (first field).
VocabTree BuildStrategicNumberTree(const QStringList& rows);

// Headings: top-level, key = the row, text = heading without "*", tag empty.
// Entries: child of the current parent, key = symbol + "key" ("ri-loomkey"),
// text = caption, tag "0". A "\" row opens a sub-category of the current
// heading, as in the unit tree (its symbol loses the "\").
VocabTree BuildTechnologyTree(const QStringList& rows);

// Headings: top-level, key = the row, text = caption, tag = class id.
// Entries: child of the current parent, key = the row, text = caption, tag =
// symbol (all through SplitSpaceRow). A "\" row becomes a child of the
// heading and the parent of the rows after it; the next "\" row in the same
// heading goes back to the heading and opens the next sub-category.
VocabTree BuildUnitTree(const QStringList& rows);

// The trees of the shipped tables, built once.
const VocabTree& StrategicNumberTree();
const VocabTree& TechnologyTree();
const VocabTree& UnitTree();

// 1-based position of the first node (scanning all nodes in order) whose text
// equals caption; 0 when there is none.
int FindCategory(QStringView caption, const VocabTree& tree);

// Whether node `position` (1-based) has no parent. False for a position
// outside the tree.
bool IsTopLevel(const VocabTree& tree, int position);

// 1-based positions of the direct children of node `position`, in order
// (position 0 gives the top-level nodes). What a picker of "the entries of
// this category" lists.
QList<int> ChildPositions(const VocabTree& tree, int position);

// Texts of the direct children of node `position`, in order.
QStringList ChildTexts(const VocabTree& tree, int position);

} // namespace rw
