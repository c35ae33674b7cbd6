// Reader of the binary property-list form. Every offset, count and reference in the file is
// checked against its bounds; references that loop back are refused, and so is a file whose
// shared references would expand into more values than any diary holds.
#include "PlistBinary_p.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>
#include <cstring>
#include <vector>

namespace penwick::plist::detail {

namespace {

struct PlistText
{
    Q_DECLARE_TR_FUNCTIONS(Plist)
};

// Values reached through shared references count each time they are reached.
constexpr quint64 maxExpandedValues = 20'000'000;

class BinaryReader
{
public:
    explicit BinaryReader(QByteArrayView bytes) : m_bytes(bytes) { }

    ReadResult run()
    {
        if (m_bytes.size() < 8 + 32 || !m_bytes.startsWith("bplist00"))
            return failed(PlistText::tr(
                    "The binary property list is truncated or of an unknown version."));
        const qsizetype trailer = m_bytes.size() - 32;
        m_offsetSize = byteAt(trailer + 6);
        m_refSize = byteAt(trailer + 7);
        const quint64 count = bigEndian(trailer + 8, 8);
        const quint64 top = bigEndian(trailer + 16, 8);
        const quint64 tableOffset = bigEndian(trailer + 24, 8);
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8 || count == 0
                || top >= count || tableOffset < 8 || tableOffset >= quint64(trailer)
                || count > (quint64(trailer) - tableOffset) / m_offsetSize)
            return failed(PlistText::tr("The binary property list has a damaged trailer."));
        m_objectCount = count;
        m_tableOffset = qsizetype(tableOffset);
        m_objectsEnd = m_tableOffset;
        m_state.assign(count, Unvisited);
        m_values.resize(count);
        m_expanded.assign(count, 0);
        if (!object(top, 0))
            return failed(m_error);
        return { m_values[top], {} };
    }

private:
    enum State : char { Unvisited, Visiting, Done };

    QByteArrayView m_bytes;
    int m_offsetSize = 0;
    int m_refSize = 0;
    quint64 m_objectCount = 0;
    qsizetype m_tableOffset = 0;
    qsizetype m_objectsEnd = 0;
    std::vector<State> m_state;
    std::vector<QVariant> m_values;
    std::vector<quint64> m_expanded;
    QString m_error;

    ReadResult failed(const QString &why)
    {
        return { std::nullopt,
            PlistText::tr("The file is not a valid property list: %1").arg(why) };
    }

    bool fail(const QString &why)
    {
        if (m_error.isEmpty())
            m_error = why;
        return false;
    }

    int byteAt(qsizetype at) const { return static_cast<unsigned char>(m_bytes[at]); }

    quint64 bigEndian(qsizetype at, int size) const
    {
        quint64 v = 0;
        for (int i = 0; i < size; ++i)
            v = (v << 8) | quint64(byteAt(at + i));
        return v;
    }

    bool inObjects(qsizetype at, quint64 length) const
    {
        return at >= 8 && at <= m_objectsEnd && length <= quint64(m_objectsEnd - at);
    }

    // The count that follows a marker: its low nibble, or an integer object when that is 0xF.
    bool count(qsizetype &at, int info, quint64 &n)
    {
        if (info != 0xF) {
            n = quint64(info);
            return true;
        }
        if (!inObjects(at, 1))
            return fail(PlistText::tr("a count lies outside the file."));
        const int marker = byteAt(at++);
        if ((marker >> 4) != 0x1 || (marker & 0xF) > 3)
            return fail(PlistText::tr("a count is not an integer."));
        const int size = 1 << (marker & 0xF);
        if (!inObjects(at, quint64(size)))
            return fail(PlistText::tr("a count lies outside the file."));
        n = bigEndian(at, size);
        at += size;
        return true;
    }

    bool refs(qsizetype at, quint64 n, std::vector<quint64> &out)
    {
        if (n > quint64(m_objectsEnd) / quint64(m_refSize)
                || !inObjects(at, n * quint64(m_refSize)))
            return fail(PlistText::tr("a container lies outside the file."));
        out.resize(n);
        for (quint64 i = 0; i < n; ++i)
            out[i] = bigEndian(at + qsizetype(i) * m_refSize, m_refSize);
        return true;
    }

    bool child(quint64 ref, int depth, quint64 &expanded)
    {
        if (!object(ref, depth + 1))
            return false;
        expanded += m_expanded[ref];
        if (expanded > maxExpandedValues)
            return fail(PlistText::tr("its shared values expand beyond any diary's size."));
        return true;
    }

    bool object(quint64 ref, int depth)
    {
        if (ref >= m_objectCount)
            return fail(PlistText::tr("a reference points past the last object."));
        if (m_state[ref] == Done)
            return true;
        if (m_state[ref] == Visiting)
            return fail(PlistText::tr("a container contains itself."));
        if (depth > maxDepth)
            return fail(PlistText::tr("the values are nested too deeply."));
        m_state[ref] = Visiting;

        const quint64 offset
                = bigEndian(m_tableOffset + qsizetype(ref) * m_offsetSize, m_offsetSize);
        if (offset < 8 || offset >= quint64(m_objectsEnd))
            return fail(PlistText::tr("an object lies outside the file."));
        qsizetype at = qsizetype(offset);
        const int marker = byteAt(at++);
        const int type = marker >> 4;
        const int info = marker & 0xF;
        QVariant value;
        quint64 expanded = 1;

        switch (type) {
        case 0x0:
            if (info == 0x8 || info == 0x9)
                value = (info == 0x9);
            else
                return fail(PlistText::tr("it holds a null or unknown value."));
            break;
        case 0x1: {
            if (info > 4 || !inObjects(at, quint64(1) << info))
                return fail(PlistText::tr("an integer lies outside the file."));
            const int size = 1 << info;
            if (size == 16) {
                // 128-bit integers carry values above the signed 64-bit range in the low half
                const quint64 high = bigEndian(at, 8);
                const quint64 low = bigEndian(at + 8, 8);
                if (high == 0)
                    value = low <= quint64(std::numeric_limits<qint64>::max())
                            ? QVariant(qlonglong(low))
                            : QVariant(qulonglong(low));
                else if (high == ~quint64(0) && (low >> 63))
                    value = qlonglong(low);
                else
                    return fail(PlistText::tr("an integer is too large."));
            } else if (size == 8) {
                value = qlonglong(bigEndian(at, 8));
            } else {
                value = qlonglong(bigEndian(at, size));
            }
            break;
        }
        case 0x2:
        case 0x3: {
            if ((info != 2 && info != 3) || (type == 0x3 && info != 3)
                    || !inObjects(at, quint64(1) << info))
                return fail(PlistText::tr("a number lies outside the file."));
            double d;
            if (info == 2) {
                const quint32 bits = quint32(bigEndian(at, 4));
                float f;
                std::memcpy(&f, &bits, 4);
                d = f;
            } else {
                const quint64 bits = bigEndian(at, 8);
                std::memcpy(&d, &bits, 8);
            }
            if (type == 0x2) {
                value = d;
            } else {
                // seconds since 2001-01-01 00:00:00 UTC
                if (!std::isfinite(d) || std::fabs(d) > 1e13)
                    return fail(PlistText::tr("a date is out of range."));
                static const QDateTime epoch(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
                value = epoch.addMSecs(qint64(std::llround(d * 1000.0)));
            }
            break;
        }
        case 0x4:
        case 0x5:
        case 0x6:
        case 0x7: {
            quint64 n = 0;
            if (!count(at, info, n))
                return false;
            const quint64 unit = type == 0x6 ? 2 : 1;
            if (n > quint64(m_objectsEnd) / unit || !inObjects(at, n * unit))
                return fail(PlistText::tr("a string or data value lies outside the file."));
            const char *p = m_bytes.data() + at;
            if (type == 0x4) {
                value = QByteArray(p, qsizetype(n));
            } else if (type == 0x5) {
                value = QString::fromLatin1(p, qsizetype(n));
            } else if (type == 0x7) {
                value = textFromUtf8(QByteArrayView(p, qsizetype(n)));
            } else {
                QString s(qsizetype(n), Qt::Uninitialized);
                for (quint64 i = 0; i < n; ++i)
                    s[qsizetype(i)] = QChar(char16_t(bigEndian(at + qsizetype(2 * i), 2)));
                value = s;
            }
            break;
        }
        case 0x8: {
            // a keyed archiver's UID: written in XML as { "CF$UID": n }, as Apple does
            if (info > 7 || !inObjects(at, quint64(info + 1)))
                return fail(PlistText::tr("a reference value lies outside the file."));
            value = QVariantMap { { QStringLiteral("CF$UID"),
                    qlonglong(bigEndian(at, info + 1)) } };
            break;
        }
        case 0xA:
        case 0xC: {
            quint64 n = 0;
            std::vector<quint64> items;
            if (!count(at, info, n) || !refs(at, n, items))
                return false;
            QVariantList list;
            list.reserve(qsizetype(n));
            for (quint64 item : items) {
                if (!child(item, depth, expanded))
                    return false;
                list.append(m_values[item]);
            }
            value = list;
            break;
        }
        case 0xD: {
            quint64 n = 0;
            std::vector<quint64> keys, values;
            if (!count(at, info, n) || !refs(at, n, keys)
                    || !refs(at + qsizetype(n) * m_refSize, n, values))
                return false;
            QVariantMap map;
            for (quint64 i = 0; i < n; ++i) {
                if (!child(keys[i], depth, expanded) || !child(values[i], depth, expanded))
                    return false;
                if (m_values[keys[i]].typeId() != QMetaType::QString)
                    return fail(PlistText::tr("a dictionary key is not a string."));
                map.insert(m_values[keys[i]].toString(), m_values[values[i]]);
            }
            value = map;
            break;
        }
        default:
            return fail(PlistText::tr("it holds an object of an unknown type."));
        }
        m_values[ref] = std::move(value);
        m_expanded[ref] = expanded;
        m_state[ref] = Done;
        return true;
    }
};

} // namespace

ReadResult readBinary(QByteArrayView bytes)
{
    return BinaryReader(bytes).run();
}

} // namespace penwick::plist::detail
