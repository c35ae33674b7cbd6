#include "PlistValues.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace penwick::plist {

namespace {

bool digitsOnly(QByteArrayView v)
{
    for (char c : v)
        if (c < '0' || c > '9')
            return false;
    return !v.isEmpty();
}

} // namespace

QByteArrayView trimmedXmlSpace(QByteArrayView v)
{
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!v.isEmpty() && isSpace(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isSpace(v.back()))
        v.chop(1);
    return v;
}

QString textFromUtf8(QByteArrayView utf8)
{
    // QString::fromUtf8 takes leading EF BB BF for a byte-order mark and drops it; here it is
    // the user's U+FEFF, as many times as it stands there
    QString text;
    while (utf8.startsWith("\xEF\xBB\xBF")) {
        text += QChar(0xFEFF);
        utf8 = utf8.sliced(3);
    }
    return text.isEmpty() ? QString::fromUtf8(utf8) : text + QString::fromUtf8(utf8);
}

std::optional<QVariant> parseInteger(QByteArrayView text)
{
    QByteArrayView t = trimmedXmlSpace(text);
    bool negative = false;
    if (!t.isEmpty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t = t.sliced(1);
    }
    int base = 10;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        t = t.sliced(2);
    }
    if (t.isEmpty())
        return std::nullopt;
    quint64 magnitude = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), magnitude, base);
    if (ec != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    if (negative) {
        if (magnitude > quint64(std::numeric_limits<qint64>::max()) + 1)
            return std::nullopt;
        return QVariant(qlonglong(0 - magnitude));
    }
    if (magnitude > quint64(std::numeric_limits<qint64>::max()))
        return QVariant(qulonglong(magnitude));
    return QVariant(qlonglong(magnitude));
}

std::optional<double> parseReal(QByteArrayView text)
{
    QByteArrayView t = trimmedXmlSpace(text);
    const QByteArray lower = t.toByteArray().toLower();
    if (lower == "nan" || lower == "+nan" || lower == "-nan")
        return std::nan("");
    if (lower == "inf" || lower == "+inf" || lower == "infinity" || lower == "+infinity")
        return HUGE_VAL;
    if (lower == "-inf" || lower == "-infinity")
        return -HUGE_VAL;
    if (!t.isEmpty() && t.front() == '+')
        t = t.sliced(1);
    if (t.isEmpty())
        return std::nullopt;
    // Qt's conversion is locale-independent and, unlike std::from_chars for doubles, there in
    // every standard library Penwick builds with
    bool ok = false;
    const double d = t.toByteArray().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::optional<QDateTime> parseDate(QByteArrayView text)
{
    // yyyy-MM-ddTHH:mm:ssZ, the one form property lists use
    QByteArrayView t = trimmedXmlSpace(text);
    if (t.size() != 20 || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' || t[16] != ':'
            || t[19] != 'Z')
        return std::nullopt;
    auto number = [&](int from, int length) {
        QByteArrayView digits = t.sliced(from, length);
        return digitsOnly(digits) ? digits.toInt() : -1;
    };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

std::optional<QByteArray> parseData(QByteArrayView text)
{
    QByteArray compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
            continue;
        compact += c;
    }
    auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return decoded.decoded;
}

void appendEscaped(QByteArray &out, QByteArrayView utf8)
{
    const char *p = utf8.data();
    const char *end = p + utf8.size();
    const char *run = p;
    for (; p != end; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c > '>' || (c >= ' ' && c != '&' && c != '<' && c != '>') || c == '\n' || c == '\t')
            continue;
        out.append(run, p - run);
        run = p + 1;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case 0:
            break; // XML cannot carry NUL in any form
        default: // CR would be read back as LF, the rest cannot stand raw
            out += "&#";
            out += QByteArray::number(c);
            out += ';';
        }
    }
    out.append(run, p - run);
}

} // namespace penwick::plist
