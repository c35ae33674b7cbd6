#include "BookLayout.h"

#include "diary/DayKey.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <memory>

namespace penwick::exports {

QPageSize::PageSizeId paperFor(const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}

namespace {

// Paints the book page by page: y is where the next line goes on the current page.
class BookPainter
{
public:
    BookPainter(QPagedPaintDevice &device, const ExportOptions &options)
        : m_device(device), m_options(options), m_body(options.font, &device)
    {
        // the user's font, at a size that reads well on paper
        m_body.setPointSizeF(std::max(m_body.pointSizeF(), 10.5));
        m_headingFont = m_body;
        m_headingFont.setBold(true);
        m_headingFont.setPointSizeF(m_body.pointSizeF() * 1.15);
        m_monthFont = m_headingFont;
        m_monthFont.setPointSizeF(m_body.pointSizeF() * 1.6);
        m_lineHeight = QFontMetricsF(m_body, &device).height();
        m_width = device.width();
        m_bodyHeight = device.height() - 2.5 * m_lineHeight; // the page number below
    }

    bool begin(QString *error)
    {
        if (m_painter.begin(&m_device))
            return true;
        if (error)
            *error = QCoreApplication::translate("Export", "The pages could not be started.");
        return false;
    }

    void titlePage(const QList<DiaryEntry> &days)
    {
        QFont title = m_monthFont;
        title.setPointSizeF(m_body.pointSizeF() * 2.4);
        QFont range = m_body;
        range.setPointSizeF(m_body.pointSizeF() * 1.3);
        m_y = m_bodyHeight / 3;
        place(*laidOut(QCoreApplication::translate("Export", "Diary"), title, true));
        m_y += m_lineHeight;
        place(*laidOut(rangeText(days, m_options.locale), range, true));
        m_y += m_lineHeight * 0.5;
        place(*laidOut(QCoreApplication::translate("Export", "%n days", nullptr, int(days.size())),
                m_body, true));
    }

    void month(QDate day)
    {
        if (m_page == 0 || (m_options.monthsOnNewPages && m_y > 0))
            newPage();
        const auto heading = laidOut(monthAndYear(day, m_options.locale), m_monthFont);
        if (m_y > 0)
            m_y += 1.5 * m_lineHeight;
        keepWithNext(heading->boundingRect().height() + 3 * m_lineHeight);
        place(*heading);
        m_y += 0.4 * m_lineHeight;
    }

    void day(const DiaryEntry &day)
    {
        const auto heading = laidOut(
                m_options.locale.toString(diary::dayFromKey(day.date), QLocale::LongFormat),
                m_headingFont);
        if (m_y > 0)
            m_y += 0.8 * m_lineHeight;
        keepWithNext(heading->boundingRect().height() + 1.3 * m_lineHeight);
        place(*heading);
        m_y += 0.3 * m_lineHeight;
        for (QStringView paragraph : QStringView(day.text).split(u'\n')) {
            if (paragraph.isEmpty()) {
                m_y += m_lineHeight; // an empty line needs no layout
                continue;
            }
            place(*laidOut(paragraph.toString(), m_body));
        }
    }

private:
    std::unique_ptr<QTextLayout> laidOut(
            const QString &text, const QFont &font, bool centred = false) const
    {
        auto layout = std::make_unique<QTextLayout>(text, font, &m_device);
        // the paragraph's own direction, by its first strong character, and a right-to-left
        // one aligned right; never left to the layout, which would ask the input method
        const bool rightToLeft = text.isRightToLeft();
        QTextOption option(
                centred ? Qt::AlignHCenter : (rightToLeft ? Qt::AlignRight : Qt::AlignLeft));
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        qreal height = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(m_width);
            line.setPosition(QPointF(0, height));
            height += line.height();
        }
        layout->endLayout();
        return layout;
    }

    // Paints layout's lines from y on, going on to the next page where one is full.
    void place(const QTextLayout &layout)
    {
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (m_y > 0 && m_y + line.height() > m_bodyHeight)
                newPage();
            line.draw(&m_painter, QPointF(0, m_y - line.y()));
            m_y += line.height();
        }
    }

    // A heading starts a page rather than stand alone at the foot of one.
    void keepWithNext(qreal height)
    {
        if (m_y > 0 && m_y + height > m_bodyHeight)
            newPage();
    }

    void newPage()
    {
        m_device.newPage();
        ++m_page;
        m_y = 0;
        m_painter.setFont(m_body);
        m_painter.drawText(QRectF(0, m_bodyHeight, m_width, m_device.height() - m_bodyHeight),
                Qt::AlignHCenter | Qt::AlignBottom, m_options.locale.toString(m_page));
    }

    QPagedPaintDevice &m_device;
    const ExportOptions &m_options;
    QPainter m_painter;
    QFont m_body, m_headingFont, m_monthFont;
    qreal m_lineHeight = 0;
    qreal m_width = 0;
    qreal m_bodyHeight = 0;
    qreal m_y = 0;
    int m_page = 0; // the title page has no number
};

} // namespace

bool paintBook(QPagedPaintDevice &device, const QList<DiaryEntry> &days,
        const ExportOptions &options, ExportProgress *progress, QString *error)
{
    // the same margins on paper as in the PDF, whatever the printer's paper
    device.setPageMargins(QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter);
    BookPainter book(device, options);
    if (!book.begin(error))
        return false;
    book.titlePage(days);
    int year = 0, month = 0;
    for (const DiaryEntry &day : days) {
        const QDate date = diary::dayFromKey(day.date);
        if (date.year() != year || date.month() != month) {
            year = date.year();
            month = date.month();
            book.month(date);
        }
        book.day(day);
        if (!progress->step())
            return false;
    }
    return true;
}

} // namespace penwick::exports
