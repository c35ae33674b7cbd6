#include "Plist.h"

#include "PlistBinary_p.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>

namespace penwick::plist {

namespace {

struct PlistText
{
    Q_DECLARE_TR_FUNCTIONS(Plist)
};

// Reads the DOM that pugixml built (pugixml itself parses without recursion). The recursion
// here stops at maxDepth, however deep the document is.
class XmlReader
{
public:
    QString error;

    std::optional<QVariant> value(pugi::xml_node node, int depth)
    {
        const char *name = node.name();
        if (std::strcmp(name, "string") == 0) {
            if (auto text = leafText(node))
                return textFromUtf8(*text);
            return std::nullopt;
        }
        if (std::strcmp(name, "dict") == 0)
            return dict(node, depth);
        if (std::strcmp(name, "array") == 0)
            return array(node, depth);
        if (std::strcmp(name, "integer") == 0)
            return scalar(node, parseInteger, "integer");
        if (std::strcmp(name, "real") == 0)
            return scalar(node, parseReal, "real");
        if (std::strcmp(name, "date") == 0)
            return scalar(node, parseDate, "date");
        if (std::strcmp(name, "data") == 0) {
            auto text = leafText(node);
            if (!text)
                return std::nullopt;
            if (auto bytes = parseData(*text))
                return QVariant(*bytes);
            return fail(PlistText::tr("A <data> value is not valid base64."));
        }
        if (std::strcmp(name, "true") == 0 || std::strcmp(name, "false") == 0) {
            auto text = leafText(node);
            if (!text)
                return std::nullopt;
            if (!trimmedXmlSpace(*text).isEmpty())
                return fail(PlistText::tr("A boolean element holds text."));
            return QVariant(name[0] == 't');
        }
        return fail(PlistText::tr("The element <%1> is not part of a property list.")
                            .arg(QString::fromUtf8(name)));
    }

private:
    std::optional<QVariant> fail(const QString &message)
    {
        if (error.isEmpty())
            error = message;
        return std::nullopt;
    }

    // The character data of a leaf element; an element inside a leaf is an error.
    std::optional<QByteArray> leafText(pugi::xml_node node)
    {
        QByteArray text;
        for (pugi::xml_node child : node.children()) {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
                text += child.value();
            else if (child.type() == pugi::node_element) {
                fail(PlistText::tr("The element <%1> must not contain other elements.")
                                .arg(QString::fromUtf8(node.name())));
                return std::nullopt;
            }
        }
        return text;
    }

    template<typename Parse>
    std::optional<QVariant> scalar(pugi::xml_node node, Parse parse, const char *what)
    {
        auto text = leafText(node);
        if (!text)
            return std::nullopt;
        if (auto v = parse(*text))
            return QVariant(*v);
        return fail(PlistText::tr("The %1 value \"%2\" cannot be read.")
                            .arg(QLatin1StringView(what), QString::fromUtf8(text->left(40))));
    }

    // Element children of a container; text other than white space between them is an error.
    template<typename Visit> bool forEachElement(pugi::xml_node node, Visit visit)
    {
        for (pugi::xml_node child : node.children()) {
            if (child.type() == pugi::node_element) {
                if (!visit(child))
                    return false;
            } else if ((child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
                    && !trimmedXmlSpace(child.value()).isEmpty()) {
                fail(PlistText::tr("Text stands between the values of <%1>.")
                                .arg(QString::fromUtf8(node.name())));
                return false;
            }
        }
        return true;
    }

    std::optional<QVariant> array(pugi::xml_node node, int depth)
    {
        if (depth >= maxDepth)
            return fail(PlistText::tr("The values are nested too deeply."));
        QVariantList list;
        bool ok = forEachElement(node, [&](pugi::xml_node child) {
            auto v = value(child, depth + 1);
            if (!v)
                return false;
            list.append(std::move(*v));
            return true;
        });
        if (!ok)
            return std::nullopt;
        return QVariant(list);
    }

    std::optional<QVariant> dict(pugi::xml_node node, int depth)
    {
        if (depth >= maxDepth)
            return fail(PlistText::tr("The values are nested too deeply."));
        QVariantMap map;
        std::optional<QString> key;
        bool ok = forEachElement(node, [&](pugi::xml_node child) {
            if (!key) {
                if (std::strcmp(child.name(), "key") != 0) {
                    fail(PlistText::tr("A dictionary value has no key."));
                    return false;
                }
                auto text = leafText(child);
                if (!text)
                    return false;
                key = textFromUtf8(*text);
                return true;
            }
            auto v = value(child, depth + 1);
            if (!v)
                return false;
            map.insert(*key, std::move(*v)); // a repeated key: the last value wins
            key.reset();
            return true;
        });
        if (!ok)
            return std::nullopt;
        if (key)
            return fail(PlistText::tr("A dictionary key has no value."));
        return QVariant(map);
    }
};

ReadResult readXml(QByteArrayView bytes)
{
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_buffer(
            bytes.data(), size_t(bytes.size()), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!parsed) {
        return { std::nullopt,
            PlistText::tr("The file is not a valid property list: %1 (at byte %2).")
                    .arg(QString::fromUtf8(parsed.description()))
                    .arg(parsed.offset) };
    }
    pugi::xml_node top = doc.document_element();
    if (!top)
        return { std::nullopt, PlistText::tr("The file holds no property list.") };

    pugi::xml_node valueNode = top;
    if (std::strcmp(top.name(), "plist") == 0) {
        valueNode = {};
        for (pugi::xml_node child : top.children()) {
            if (child.type() == pugi::node_element) {
                if (valueNode)
                    return { std::nullopt,
                        PlistText::tr("The property list holds more than one value.") };
                valueNode = child;
            } else if (!trimmedXmlSpace(child.value()).isEmpty()) {
                return { std::nullopt,
                    PlistText::tr("Text stands outside the values of the property list.") };
            }
        }
        if (!valueNode)
            return { std::nullopt, PlistText::tr("The property list holds no value.") };
    }
    XmlReader reader;
    auto value = reader.value(valueNode, 0);
    if (!value)
        return { std::nullopt,
            PlistText::tr("The file is not a valid property list: %1").arg(reader.error) };
    return { std::move(value), {} };
}

// ---- writing ----

void indent(QByteArray &out, int level)
{
    out.append(level, '\t');
}

void writeValue(QByteArray &out, const QVariant &value, int level);

void writeLeaf(QByteArray &out, int level, const char *tag, QByteArrayView content, bool escape)
{
    indent(out, level);
    out += '<';
    out += tag;
    out += '>';
    if (escape)
        appendEscaped(out, content);
    else
        out += content;
    out += "</";
    out += tag;
    out += ">\n";
}

QByteArray realText(double d)
{
    if (std::isnan(d))
        return "nan";
    if (std::isinf(d))
        return d > 0 ? "+infinity" : "-infinity";
    return QByteArray::number(d, 'g', QLocale::FloatingPointShortest);
}

void writeValue(QByteArray &out, const QVariant &value, int level)
{
    switch (value.typeId()) {
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        const QVariantList list = value.toList();
        indent(out, level);
        if (list.isEmpty()) {
            out += "<array/>\n";
            return;
        }
        out += "<array>\n";
        for (const QVariant &item : list)
            writeValue(out, item, level + 1);
        indent(out, level);
        out += "</array>\n";
        return;
    }
    case QMetaType::QVariantMap: {
        const QVariantMap map = value.toMap();
        indent(out, level);
        if (map.isEmpty()) {
            out += "<dict/>\n";
            return;
        }
        out += "<dict>\n";
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            if (!it.value().isValid())
                continue;
            writeLeaf(out, level + 1, "key", it.key().toUtf8(), true);
            writeValue(out, it.value(), level + 1);
        }
        indent(out, level);
        out += "</dict>\n";
        return;
    }
    case QMetaType::Bool:
        indent(out, level);
        out += value.toBool() ? "<true/>\n" : "<false/>\n";
        return;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Long:
        writeLeaf(out, level, "integer", QByteArray::number(value.toLongLong()), false);
        return;
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::ULong:
        writeLeaf(out, level, "integer", QByteArray::number(value.toULongLong()), false);
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        writeLeaf(out, level, "real", realText(value.toDouble()), false);
        return;
    case QMetaType::QDateTime:
        writeLeaf(out, level, "date",
                value.toDateTime()
                        .toUTC()
                        .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"))
                        .toLatin1(),
                false);
        return;
    case QMetaType::QByteArray: {
        const QByteArray base64 = value.toByteArray().toBase64();
        indent(out, level);
        out += "<data>\n";
        for (qsizetype i = 0; i < base64.size(); i += 68) {
            indent(out, level);
            out += QByteArrayView(base64).sliced(i, std::min<qsizetype>(68, base64.size() - i));
            out += '\n';
        }
        indent(out, level);
        out += "</data>\n";
        return;
    }
    default:
        if (!value.isValid())
            return; // a property list has no null value
        writeLeaf(out, level, "string", value.toString().toUtf8(), true);
        return;
    }
}

} // namespace

ReadResult read(QByteArrayView bytes)
{
    if (bytes.startsWith("bplist"))
        return detail::readBinary(bytes);
    return readXml(bytes);
}

QByteArray writeXml(const QVariant &value)
{
    QByteArray out;
    out.reserve(4096);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n";
    writeValue(out, value, 0);
    out += "</plist>\n";
    return out;
}

} // namespace penwick::plist
