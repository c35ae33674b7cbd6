// The text of a calendar cell with the colour and alignment it is drawn in. An invalid colour
// stands for the palette's text colour, resolved when the cell is drawn, so that a dark palette
// or a change of theme applies at once.
#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>

struct StyledText
{
    QString text;
    QColor color;
    Qt::Alignment alignment = Qt::AlignCenter;

    friend bool operator==(const StyledText &a, const StyledText &b)
    {
        return a.text == b.text && a.color == b.color && a.alignment == b.alignment;
    }
};

Q_DECLARE_METATYPE(StyledText)

// The text of a cell, whether styled or plain.
inline QString cellText(const QVariant &cell)
{
    if (cell.canConvert<StyledText>() && cell.userType() == qMetaTypeId<StyledText>())
        return cell.value<StyledText>().text;
    return cell.toString();
}
