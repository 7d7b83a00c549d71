#pragma once

// The words of the game's rule language that the program writes, beyond the
// symbols of the ten tables: the keywords of facts and commands and the
// fixed words their arguments take. The script check accepts exactly these,
// and a variable or timer name may be none of them.

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

// A keyword that opens a fact: "wood-amount", "can-build", "true" ...
bool IsFactWord(const QString& word);
// The words of the logical operators: "and", "or", "not", "nand", "nor",
// "xor", "xnor".
const QStringList& LogicalOperatorWords();
bool IsLogicalOperatorWord(const QString& word);
// A keyword that opens an action: "build", "set-strategic-number" ...
bool IsCommandWord(const QString& word);
// The commands whose argument is a quoted text.
bool IsChatCommandWord(const QString& word);
// A symbol a fact or command takes: every table symbol as the program
// writes it, player, age, resource and stance words, comparisons.
bool IsArgumentWord(const QString& word);
// A symbol of the six game-setting tables ("TINY-MAP" ...), for
// #load-if-defined.
bool IsGameSettingSymbol(const QString& word);
// Any of the words above, or of the language itself ("defrule",
// "defconst" ...), whatever its case.
bool IsGameWord(const QString& word);

} // namespace rw
