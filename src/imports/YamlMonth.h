// A RedNotebook month file read with yaml-cpp, in a module of its own (penwick_yaml) opened by
// the first such import, so that yaml-cpp does not load with every start.
#pragma once

#include <QList>
#include <QString>
#include <utility>

class QByteArray;

namespace penwick::imports {

enum class YamlMonthOutcome {
    Read,
    NotAMonth, // no YAML mapping of day numbers
    HasAliases, // refused: an alias can make a small file build a huge document
    TooManyNodes, // refused: more than maxNodes nodes
};

// The days of the month in bytes that hold a text (day number, text), read only when the file
// holds at most maxNodes nodes and no alias.
using ReadYamlMonth = YamlMonthOutcome (*)(
        const QByteArray &bytes, qint64 maxNodes, QList<std::pair<int, QString>> *days);

// The name the module exports its ReadYamlMonth by.
inline constexpr char readYamlMonthSymbol[] = "penwickReadYamlMonth";
// The version of this interface (see platform/Modules.h); raised when it changes.
inline constexpr int readYamlMonthVersion = 1;

} // namespace penwick::imports
