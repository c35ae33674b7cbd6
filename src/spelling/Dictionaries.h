// Enchant's dictionaries, in a module of their own (penwick_enchant) that links Enchant 2 and is
// opened by the first spell checker, so that Enchant and the libraries it brings do not load
// with every start. SpellChecker holds the rules (which words are checked, the order of the
// suggestions, the words ignored); this is the library alone.
#pragma once

#include <QStringList>

namespace penwick::spelling {

class Dictionaries
{
public:
    virtual ~Dictionaries() = default;
    // The dictionaries installed, as language tags ("en_US", "de_DE", "fr").
    virtual QStringList languages() const = 0;
    // Opens tag's dictionary in place of the one open; false, with none open, when there is no
    // such dictionary.
    virtual bool open(const QString &tag) = 0;
    // Whether the open dictionary, or the personal dictionary of its language, holds word.
    virtual bool check(const QString &word) const = 0;
    // The open dictionary's suggestions for word, all of them, in its order.
    virtual QStringList suggest(const QString &word) const = 0;
    // Into Enchant's personal dictionary of the open language, which the desktop's other
    // programs share.
    virtual void add(const QString &word) = 0;
    // Adds each of words that the personal dictionary of the open language neither holds nor
    // has had removed.
    virtual void carryOver(const QStringList &words) = 0;
};

// A new set of dictionaries, none open; the caller owns it.
using OpenDictionaries = Dictionaries *(*)();

// The name the module exports its OpenDictionaries by.
inline constexpr char openDictionariesSymbol[] = "penwickOpenDictionaries";
// The version of this interface (see platform/Modules.h); raised when it changes.
inline constexpr int openDictionariesVersion = 1;

} // namespace penwick::spelling
