// The differences between two texts, word by word: the longest common sequence of words and
// the spaces between them, with what only one side holds marked as removed or added.
#pragma once

#include <QList>
#include <QString>

namespace penwick::history {

struct DiffPiece
{
    enum Kind { Same, Removed, Added };
    Kind kind = Same;
    QString text;
    friend bool operator==(const DiffPiece &, const DiffPiece &) = default;
};

// The pieces that turn from into to, in order; neighbouring pieces of one kind are joined.
QList<DiffPiece> diffWords(const QString &from, const QString &to);

} // namespace penwick::history
