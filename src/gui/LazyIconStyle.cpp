#include "LazyIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace {

// Asks the style for the icon the first time it is drawn or measured, and answers from it.
class LazyIconEngine : public QIconEngine
{
public:
    LazyIconEngine(const QStyle *style, QStyle::StandardPixmap which, const QStyleOption *option,
            const QWidget *widget)
        : m_style(style), m_which(which), m_hasOption(option != nullptr), m_widget(widget)
    {
        if (option)
            m_option = *option; // its direction and palette: the widget's own details go
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(
            const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return m_loaded && m_icon.isNull(); }
    QIconEngine *clone() const override { return new LazyIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (!m_loaded) {
            m_loaded = true;
            if (m_style)
                m_icon = m_style->standardIcon(
                        m_which, m_hasOption ? &m_option : nullptr, m_widget.data());
        }
        return m_icon;
    }

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QStyleOption m_option;
    bool m_hasOption;
    QPointer<const QWidget> m_widget;
    bool m_loaded = false;
    QIcon m_icon;
};

} // namespace

LazyIconStyle::LazyIconStyle(const QString &key) : QProxyStyle(key)
{ }

QIcon LazyIconStyle::standardIcon(
        StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton:
    case SP_ToolBarVerticalExtensionButton:
    case SP_LineEditClearButton:
        return QIcon(new LazyIconEngine(baseStyle(), icon, option, widget));
    default:
        break;
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}
