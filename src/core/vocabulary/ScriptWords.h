#pragma once

// The words of the game's rule language that the program writes, beyond the
// symbols of the ten tables: the keywords of facts and commands and the
// fixed words their arguments take. A variable or timer name may be none of
// them. (The script check measures scripts against the game's whole command
// reference, builder/CommandReference.)

#include <QStringList>
#include <QStringView>

namespace rw {

// Position p of the player picker (0 to 24): "my-player-number", "any-ally"
// ... "8".
const QStringList& PlayerWords();
// The resource amounts of the condition editor: "wood-amount" ...
const QStringList& AmountWords();
// The population counts of the condition editor: "population" ...
const QStringList& PopulationWords();
// "dark-age" ... "imperial-age".
const QStringList& AgeWords();

// The words of the logical operators: "and", "or", "not", "nand", "nor",
// "xor", "xnor".
const QStringList& LogicalOperatorWords();
bool IsLogicalOperatorWord(QStringView word);
// A symbol of the six game-setting tables ("TINY-MAP" ...), for
// #load-if-defined.
bool IsGameSettingSymbol(const QString& word);
// Any word the program writes into a script, whatever its case: the
// keywords of its facts and commands, every table symbol, the player, age,
// resource and stance words, comparisons, the words above, and those of the
// language itself ("defrule", "defconst" ...).
bool IsGameWord(const QString& word);

enum class VocabTable;
// The symbol a row of one of the program's tables gives the script, as the
// editors write it: wall and gate rows lose their ":" or ":-", unit
// headings their "*"; empty for a heading row.
QString TableSymbol(VocabTable table, const QString& row);

} // namespace rw
