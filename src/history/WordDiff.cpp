#include "WordDiff.h"

#include <QStringView>
#include <vector>

namespace penwick::history {

namespace {

// Words and the runs of white space between them, so that every character is in one token.
QList<QStringView> tokens(const QString &text)
{
    QList<QStringView> found;
    qsizetype start = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        if (i == text.size() || text[i].isSpace() != text[i - 1].isSpace()) {
            found.append(QStringView(text).mid(start, i - start));
            start = i;
        }
    }
    return found;
}

void append(QList<DiffPiece> &pieces, DiffPiece::Kind kind, QStringView text)
{
    if (text.isEmpty())
        return;
    if (!pieces.isEmpty() && pieces.last().kind == kind)
        pieces.last().text += text;
    else
        pieces.append({ kind, text.toString() });
}

// beyond this many cells the table would cost too much memory: the middle is one change
constexpr qsizetype largestTable = 4'000'000;

} // namespace

QList<DiffPiece> diffWords(const QString &from, const QString &to)
{
    const QList<QStringView> a = tokens(from);
    const QList<QStringView> b = tokens(to);
    // what both share at the start and end needs no table
    qsizetype head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    qsizetype tail = 0;
    while (tail < a.size() - head && tail < b.size() - head
            && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    QList<DiffPiece> pieces;
    for (qsizetype i = 0; i < head; ++i)
        append(pieces, DiffPiece::Same, a[i]);

    const qsizetype n = a.size() - head - tail;
    const qsizetype m = b.size() - head - tail;
    if ((n + 1) * (m + 1) > largestTable) {
        for (qsizetype i = 0; i < n; ++i)
            append(pieces, DiffPiece::Removed, a[head + i]);
        for (qsizetype j = 0; j < m; ++j)
            append(pieces, DiffPiece::Added, b[head + j]);
    } else {
        // lengths of the longest common sequences of the suffixes
        std::vector<int> table(size_t((n + 1) * (m + 1)), 0);
        auto at = [&](qsizetype i, qsizetype j) -> int & { return table[size_t(i * (m + 1) + j)]; };
        for (qsizetype i = n - 1; i >= 0; --i) {
            for (qsizetype j = m - 1; j >= 0; --j) {
                at(i, j) = a[head + i] == b[head + j] ? at(i + 1, j + 1) + 1
                                                      : std::max(at(i + 1, j), at(i, j + 1));
            }
        }
        qsizetype i = 0;
        qsizetype j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a[head + i] == b[head + j]) {
                append(pieces, DiffPiece::Same, a[head + i]);
                ++i;
                ++j;
            } else if (i < n && (j == m || at(i + 1, j) >= at(i, j + 1))) {
                append(pieces, DiffPiece::Removed, a[head + i++]);
            } else {
                append(pieces, DiffPiece::Added, b[head + j++]);
            }
        }
    }
    for (qsizetype i = a.size() - tail; i < a.size(); ++i)
        append(pieces, DiffPiece::Same, a[i]);
    return pieces;
}

} // namespace penwick::history
