#include "NoteScan.h"

#include "platform/PlistValues.h"

#include <algorithm>
#include <cstring>

namespace penwick::diary {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Decodes the reference at p (which points at '&'): one of the five predefined entities or a
// character reference. Writes its UTF-8 at out when out is given, and returns the position
// after the ';', or nullptr when the text there is no reference the scanner accepts.
const char *decodeReference(const char *p, const char *end, char **out)
{
    const char *semi = static_cast<const char *>(
            std::memchr(p, ';', size_t(std::min<qsizetype>(end - p, 12))));
    if (!semi)
        return nullptr;
    const QByteArrayView name(p + 1, semi - p - 1);
    char plain = 0;
    if (name == "amp")
        plain = '&';
    else if (name == "lt")
        plain = '<';
    else if (name == "gt")
        plain = '>';
    else if (name == "quot")
        plain = '"';
    else if (name == "apos")
        plain = '\'';
    if (plain) {
        if (out)
            *(*out)++ = plain;
        return semi + 1;
    }
    if (name.size() < 2 || name[0] != '#')
        return nullptr;
    const bool hex = name[1] == 'x';
    const QByteArrayView digits = name.sliced(hex ? 2 : 1);
    char32_t code = 0;
    for (char c : digits) {
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        if (v < 0)
            return nullptr;
        code = code * (hex ? 16 : 10) + char32_t(v);
        if (code > 0x10FFFF)
            return nullptr;
    }
    if (digits.isEmpty() || code == 0 || (code >= 0xD800 && code <= 0xDFFF))
        return nullptr;
    if (out) { // UTF-8, never longer than the reference it replaces
        char *o = *out;
        if (code < 0x80) {
            *o++ = char(code);
        } else if (code < 0x800) {
            *o++ = char(0xC0 | (code >> 6));
            *o++ = char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            *o++ = char(0xE0 | (code >> 12));
            *o++ = char(0x80 | ((code >> 6) & 0x3F));
            *o++ = char(0x80 | (code & 0x3F));
        } else {
            *o++ = char(0xF0 | (code >> 18));
            *o++ = char(0x80 | ((code >> 12) & 0x3F));
            *o++ = char(0x80 | ((code >> 6) & 0x3F));
            *o++ = char(0x80 | (code & 0x3F));
        }
        *out = o;
    }
    return semi + 1;
}

// True when every '&' in raw starts a reference the scanner accepts.
bool validReferences(QByteArrayView raw)
{
    const char *p = raw.data();
    const char *end = p + raw.size();
    while ((p = static_cast<const char *>(std::memchr(p, '&', size_t(end - p))))) {
        p = decodeReference(p, end, nullptr);
        if (!p)
            return false;
    }
    return true;
}

class Scanner
{
public:
    explicit Scanner(QByteArrayView bytes)
        : m_begin(bytes.data()), m_p(bytes.data()), m_end(bytes.data() + bytes.size())
    { }

    std::optional<NoteScan> run()
    {
        // XML has no NUL in any form; the full reader stops at one
        if (std::memchr(m_begin, '\0', size_t(m_end - m_begin)))
            return std::nullopt;
        skipSpace();
        if (!prolog())
            return std::nullopt;
        if (!literal("<plist") || !attributes() || !literal(">"))
            return std::nullopt;
        skipSpace();
        if (!rootArray())
            return std::nullopt;
        skipSpace();
        if (!literal("</plist"))
            return std::nullopt;
        skipSpace();
        if (!literal(">"))
            return std::nullopt;
        skipSpace();
        if (m_p != m_end)
            return std::nullopt;
        return std::move(m_scan);
    }

private:
    const char *m_begin;
    const char *m_p;
    const char *m_end;
    NoteScan m_scan;

    qsizetype pos(const char *p) const { return p - m_begin; }

    void skipSpace()
    {
        while (m_p != m_end && isSpace(*m_p))
            ++m_p;
    }

    bool startsWith(const char *text) const
    {
        const size_t n = std::strlen(text);
        return size_t(m_end - m_p) >= n && std::memcmp(m_p, text, n) == 0;
    }

    bool literal(const char *text)
    {
        if (!startsWith(text))
            return false;
        m_p += std::strlen(text);
        return true;
    }

    const char *find(char c) const
    {
        return static_cast<const char *>(std::memchr(m_p, c, size_t(m_end - m_p)));
    }

    // Attributes of a start tag or of the XML declaration: ( S name S? = S? "value" )* S?
    bool attributes()
    {
        for (;;) {
            const char *before = m_p;
            skipSpace();
            if (m_p == m_end)
                return false;
            const char c = *m_p;
            if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':'))
                return true;
            if (m_p == before)
                return false; // an attribute must follow white space
            while (m_p != m_end
                    && ((*m_p >= 'a' && *m_p <= 'z') || (*m_p >= 'A' && *m_p <= 'Z')
                            || (*m_p >= '0' && *m_p <= '9') || *m_p == '_' || *m_p == ':'
                            || *m_p == '-' || *m_p == '.'))
                ++m_p;
            skipSpace();
            if (!literal("="))
                return false;
            skipSpace();
            if (!quoted())
                return false;
        }
    }

    // A quoted literal holding none of the characters that other readers treat differently
    // there: '<', '&' and '['.
    bool quoted()
    {
        if (m_p == m_end || (*m_p != '"' && *m_p != '\''))
            return false;
        const char quote = *m_p++;
        const char *close = find(quote);
        if (!close)
            return false;
        for (char c : { '<', '&', '[' })
            if (std::memchr(m_p, c, size_t(close - m_p)))
                return false;
        m_p = close + 1;
        return true;
    }

    // <?xml ...?> declaring UTF-8 or nothing, then a DOCTYPE without an internal subset.
    bool prolog()
    {
        if (startsWith("\xEF\xBB\xBF"))
            return false;
        if (literal("<?xml")) {
            const char *start = m_p;
            if (!attributes() || !literal("?>"))
                return false;
            const QByteArray declaration = QByteArray(start, m_p - start).toLower();
            if (declaration.contains("encoding") && !declaration.contains("\"utf-8\"")
                    && !declaration.contains("'utf-8'"))
                return false;
            skipSpace();
        }
        if (literal("<!DOCTYPE")) {
            for (;;) {
                skipSpace();
                if (m_p == m_end || *m_p == '[' || *m_p == '<')
                    return false;
                if (*m_p == '>')
                    break;
                if (*m_p == '"' || *m_p == '\'') {
                    if (!quoted())
                        return false;
                } else {
                    ++m_p;
                }
            }
            ++m_p;
            skipSpace();
        }
        return true;
    }

    // Reads "<name>", "<name/>"; sets selfClosing. Fails on attributes or anything unusual.
    bool openTag(QByteArrayView &name, bool &selfClosing)
    {
        if (m_p == m_end || *m_p != '<')
            return false;
        const char *start = m_p + 1;
        const char *q = start;
        while (q != m_end && ((*q >= 'a' && *q <= 'z')))
            ++q;
        if (q == start || q == m_end)
            return false;
        name = QByteArrayView(start, q - start);
        if (*q == '>') {
            selfClosing = false;
            m_p = q + 1;
            return true;
        }
        if (*q == '/' && q + 1 != m_end && q[1] == '>') {
            selfClosing = true;
            m_p = q + 2;
            return true;
        }
        return false;
    }

    bool closeTag(QByteArrayView name)
    {
        if (size_t(m_end - m_p) < size_t(name.size()) + 3 || m_p[0] != '<' || m_p[1] != '/'
                || std::memcmp(m_p + 2, name.data(), size_t(name.size())) != 0
                || m_p[2 + name.size()] != '>')
            return false;
        m_p += name.size() + 3;
        return true;
    }

    // Character data up to the next '<', which must close the element.
    bool characterData(QByteArrayView name, Span &content)
    {
        const char *lt = find('<');
        if (!lt)
            return false;
        content = { pos(m_p), pos(lt) };
        const QByteArrayView raw(m_p, lt - m_p);
        if (raw.contains('&') && !validReferences(raw))
            return false;
        m_p = lt;
        return closeTag(name);
    }

    enum class Kind { String, Other };

    // One value of any type; content is set for strings.
    bool value(int depth, Kind &kind, Span &content, bool &selfClosing)
    {
        QByteArrayView name;
        if (!openTag(name, selfClosing))
            return false;
        kind = Kind::Other;
        if (name == "string") {
            kind = Kind::String;
            if (selfClosing) {
                content = { pos(m_p), pos(m_p) };
                return true;
            }
            return characterData(name, content);
        }
        if (name == "array" || name == "dict") {
            if (selfClosing)
                return true;
            if (depth >= plist::maxDepth)
                return false;
            return name == "array" ? arrayBody(depth) : dictBody(depth, nullptr);
        }
        if (name == "true" || name == "false")
            return selfClosing || closeTag(name);
        if (selfClosing)
            return false;
        Span raw;
        if (!characterData(name, raw))
            return false;
        const QByteArrayView text(m_begin + raw.begin, raw.end - raw.begin);
        if (text.contains('&'))
            return false;
        if (name == "integer")
            return plist::parseInteger(text).has_value();
        if (name == "real")
            return plist::parseReal(text).has_value();
        if (name == "date")
            return plist::parseDate(text).has_value();
        if (name == "data")
            return plist::parseData(text).has_value();
        return false;
    }

    bool arrayBody(int depth)
    {
        for (;;) {
            skipSpace();
            if (closeTag("array"))
                return true;
            Kind kind;
            Span content;
            bool selfClosing;
            if (!value(depth + 1, kind, content, selfClosing))
                return false;
        }
    }

    bool isKey(Span key, const char *word) const
    {
        const QByteArrayView raw(m_begin + key.begin, key.end - key.begin);
        if (!raw.contains('&') && !raw.contains('\r'))
            return raw == word;
        return decodeCharacterData(raw) == QLatin1StringView(word);
    }

    // A dictionary's keys and values. For an entry of the root array, entry receives where its
    // date and text strings stand; a repeated key counts with its last value, as in every reader.
    bool dictBody(int depth, ScannedEntry *entry)
    {
        bool dateIsString = false;
        bool textIsString = false;
        for (;;) {
            skipSpace();
            if (closeTag("dict"))
                break;
            if (!literal("<key>"))
                return false;
            Span key;
            if (!characterData("key", key))
                return false;
            skipSpace();
            Kind kind;
            Span content;
            bool selfClosing = false;
            const qsizetype elementBegin = pos(m_p);
            if (!value(depth + 1, kind, content, selfClosing))
                return false;
            if (!entry)
                continue;
            if (isKey(key, "date")) {
                dateIsString = kind == Kind::String;
                entry->date = content;
            } else if (isKey(key, "text")) {
                textIsString = kind == Kind::String;
                entry->text = content;
                entry->textIsPlain = isPlainCharacterData(
                        QByteArrayView(m_begin + content.begin, content.end - content.begin));
                entry->textElement = { elementBegin, pos(m_p) };
                entry->textSelfClosing = selfClosing;
            }
        }
        if (entry && !(dateIsString && textIsString))
            entry->date = {};
        return true;
    }

    bool rootArray()
    {
        const char *tagStart = m_p;
        if (literal("<array/>")) {
            m_scan.emptyArrayTag = { pos(tagStart), pos(m_p) };
            return true;
        }
        if (!literal("<array>"))
            return false;
        m_scan.insertAt = pos(m_p);
        for (;;) {
            skipSpace();
            if (closeTag("array"))
                return true;
            if (literal("<dict>")) {
                ScannedEntry entry;
                if (!dictBody(1, &entry))
                    return false;
                if (entry.date.isValid())
                    m_scan.entries.push_back(entry);
            } else {
                Kind kind;
                Span content;
                bool selfClosing;
                if (!value(1, kind, content, selfClosing))
                    return false;
            }
            m_scan.insertAt = pos(m_p);
        }
    }
};

} // namespace

std::optional<NoteScan> NoteScan::scan(QByteArrayView bytes)
{
    return Scanner(bytes).run();
}

qsizetype NoteScan::find(QByteArrayView bytes, QByteArrayView date) const
{
    const QString wanted = plist::textFromUtf8(date);
    for (size_t i = 0; i < entries.size(); ++i) {
        const QByteArrayView raw = entries[i].date.of(bytes);
        // plain ASCII, as dates are, compares as bytes; anything else as the text it decodes to,
        // as the full reader compares it (malformed UTF-8 included)
        const bool plain = std::all_of(
                raw.begin(), raw.end(), [](char c) { return c > 0 && c != '&' && c != '\r'; });
        if (plain ? raw == date : decodeCharacterData(raw) == wanted)
            return qsizetype(i);
    }
    return -1;
}

bool isPlainCharacterData(QByteArrayView raw)
{
    const char *p = raw.data();
    const char *end = p + raw.size();
    if (std::memchr(p, '\r', size_t(raw.size())))
        return false;
    while ((p = static_cast<const char *>(std::memchr(p, '&', size_t(end - p))))) {
        if (++p != end && *p == '#')
            return false;
    }
    return true;
}

QByteArray newEntryXml(QByteArrayView escapedDate, QByteArrayView escapedText, qsizetype *dateAt,
        qsizetype *textAt)
{
    QByteArray xml = "\n\t<dict>\n\t\t<key>date</key>\n\t\t<string>";
    if (dateAt)
        *dateAt = xml.size();
    xml += escapedDate;
    xml += "</string>\n\t\t<key>text</key>\n\t\t<string>";
    if (textAt)
        *textAt = xml.size();
    xml += escapedText;
    xml += "</string>\n\t</dict>";
    return xml;
}

QByteArray NoteScan::spliceText(QByteArrayView bytes, QByteArrayView date, QByteArrayView value)
{
    const qsizetype found = find(bytes, date);
    if (found < 0) {
        qsizetype dateAt = 0, textAt = 0;
        QByteArray escapedDate;
        plist::appendEscaped(escapedDate, date);
        const QByteArray added = newEntryXml(escapedDate, value, &dateAt, &textAt);
        QByteArray out;
        out.reserve(bytes.size() + added.size() + 16);
        qsizetype base = 0;
        if (emptyArrayTag.isValid()) {
            out.append(bytes.first(emptyArrayTag.begin)).append("<array>").append(added);
            out.append("\n</array>").append(bytes.sliced(emptyArrayTag.end));
            base = emptyArrayTag.begin + qsizetype(sizeof("<array>") - 1);
            emptyArrayTag = {};
        } else {
            base = insertAt;
            out.append(bytes.first(base)).append(added).append(bytes.sliced(base));
        }
        ScannedEntry entry;
        entry.date = { base + dateAt, base + dateAt + escapedDate.size() };
        entry.text = { base + textAt, base + textAt + value.size() };
        entry.textIsPlain = isPlainCharacterData(value);
        entry.textElement = { entry.text.begin - qsizetype(sizeof("<string>") - 1),
            entry.text.end + qsizetype(sizeof("</string>") - 1) };
        entries.push_back(entry);
        insertAt = base + added.size();
        return out;
    }

    ScannedEntry &entry = entries[size_t(found)];
    const bool selfClosing = entry.textSelfClosing;
    const Span cut = selfClosing ? entry.textElement : entry.text;
    const QByteArray put
            = selfClosing ? "<string>" + value.toByteArray() + "</string>" : value.toByteArray();
    const qsizetype delta = put.size() - (cut.end - cut.begin);
    QByteArray out;
    out.reserve(bytes.size() + delta);
    out.append(bytes.first(cut.begin)).append(put).append(bytes.sliced(cut.end));

    auto shift = [&](Span &span) {
        if (!span.isValid())
            return;
        if (span.begin >= cut.end)
            span.begin += delta;
        if (span.end >= cut.end)
            span.end += delta;
    };
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i == size_t(found))
            continue;
        shift(entries[i].date);
        shift(entries[i].text);
        shift(entries[i].textElement);
    }
    shift(entry.date);
    entry.textIsPlain = isPlainCharacterData(value);
    if (selfClosing) {
        entry.textElement = { cut.begin, cut.begin + put.size() };
        entry.text = { cut.begin + qsizetype(sizeof("<string>") - 1),
            cut.begin + qsizetype(sizeof("<string>") - 1) + value.size() };
        entry.textSelfClosing = false;
    } else {
        entry.textElement.end += delta;
        entry.text = { cut.begin, cut.begin + value.size() };
    }
    if (insertAt >= cut.end)
        insertAt += delta;
    return out;
}

QString decodeCharacterData(QByteArrayView raw)
{
    if (!raw.contains('&') && !raw.contains('\r'))
        return plist::textFromUtf8(raw);
    // one pass: line ends as an XML parser reads them (CR LF and lone CR are LF), references
    // resolved; the result is never longer than the raw text
    QByteArray text(raw.size(), Qt::Uninitialized);
    char *out = text.data();
    const char *p = raw.data();
    const char *end = p + raw.size();
    if (!raw.contains('\r')) {
        // the usual text with a few entities: copied in runs between them
        while (const char *amp = static_cast<const char *>(std::memchr(p, '&', size_t(end - p)))) {
            std::memcpy(out, p, size_t(amp - p));
            out += amp - p;
            p = amp;
            if (const char *next = decodeReference(p, end, &out))
                p = next;
            else
                *out++ = *p++;
        }
        std::memcpy(out, p, size_t(end - p));
        out += end - p;
        text.truncate(out - text.data());
        return plist::textFromUtf8(text);
    }
    while (p != end) {
        if (*p == '\r') {
            *out++ = '\n';
            p += (p + 1 != end && p[1] == '\n') ? 2 : 1;
        } else if (*p == '&') {
            const char *next = decodeReference(p, end, &out);
            if (next) {
                p = next;
            } else { // not for a checked file; kept as it stands
                *out++ = *p++;
            }
        } else {
            *out++ = *p++;
        }
    }
    text.truncate(out - text.data());
    return plist::textFromUtf8(text);
}

} // namespace penwick::diary
