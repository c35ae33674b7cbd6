#include "OnThisDay.h"

#include "diary/DiarySession.h"
#include "platform/Preferences.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>

namespace {
const QString shownKey = QStringLiteral("view/onThisDay");
constexpr int yearsBack = 150;
constexpr int shownLine = 300; // characters of a first line; the tooltip holds more
constexpr int tooltipLine = 1000;

// The text's first line that holds anything, cut after at most most characters at a space.
QString firstLine(const QString &text, int most)
{
    QString line = text.trimmed().section(u'\n', 0, 0).simplified();
    if (line.size() <= most)
        return line;
    const qsizetype space = line.lastIndexOf(u' ', most);
    return line.left(space > most / 2 ? space : most) + u'…';
}
} // namespace

OnThisDay::OnThisDay(penwick::diary::DiarySession *session, QWidget *parent)
    : QListWidget(parent), m_session(session), m_toggle(new QAction(tr("On This &Day"), this))
{
    setObjectName(QStringLiteral("onThisDay"));
    setAccessibleName(tr("On this day in earlier years"));
    // the heading sits in the list's frame, over the rows, and comes and goes with them
    m_heading = new QLabel(tr("On This Day"), this);
    m_heading->setObjectName(QStringLiteral("onThisDayHeading"));
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_heading->setContentsMargins(4, 2, 4, 2);
    setViewportMargins(0, m_heading->sizeHint().height(), 0, 0);
    // a few rows, fewer where the window is short: the calendar keeps its room
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    // each first line whole: wrapped to the list's width
    setWordWrap(true);
    setResizeMode(QListView::Adjust);
    setSpacing(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_toggle->setObjectName(QStringLiteral("actionOnThisDay"));
    m_toggle->setCheckable(true);
    m_toggle->setChecked(session->preferences().value(shownKey).toBool());
    setVisible(m_toggle->isChecked());
    connect(m_toggle, &QAction::toggled, this, [this](bool on) {
        m_session->preferences().setValue(shownKey, on);
        m_session->preferences().sync();
        setVisible(on);
        if (on)
            follow(m_session->selectedDay());
    });
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { Q_EMIT dayChosen(item->data(Qt::UserRole).toDate()); });
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Q_EMIT dayChosen(item->data(Qt::UserRole).toDate()); });
}

void OnThisDay::follow(QDate day)
{
    if (!m_toggle->isChecked())
        return;
    clear();
    for (int year = day.year() - 1; year >= day.year() - yearsBack && year > 0; --year) {
        const QDate earlier(year, day.month(), day.day());
        if (!earlier.isValid())
            continue; // 29 February in a common year
        const QString text = m_session->textOf(earlier);
        if (text.trimmed().isEmpty())
            continue;
        auto *item = new QListWidgetItem(
                QStringLiteral("%1 — %2").arg(QString::number(year), firstLine(text, shownLine)));
        item->setData(Qt::UserRole, earlier);
        item->setToolTip(QLocale().toString(earlier, QLocale::LongFormat) + u'\n'
                + firstLine(text, tooltipLine));
        addItem(item);
    }
    if (count() == 0) {
        auto *none = new QListWidgetItem(tr("Nothing on this day in earlier years"));
        none->setFlags(Qt::NoItemFlags);
        addItem(none);
    }
}

void OnThisDay::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    const QRect inside = contentsRect();
    m_heading->setGeometry(inside.x(), inside.y(), inside.width(), m_heading->sizeHint().height());
}

QSize OnThisDay::sizeHint() const
{
    return { QListWidget::sizeHint().width(), heightFor(5) };
}

QSize OnThisDay::minimumSizeHint() const
{
    return { QListWidget::minimumSizeHint().width(), heightFor(1) };
}

int OnThisDay::heightFor(int lines) const
{
    return m_heading->sizeHint().height() + fontMetrics().lineSpacing() * lines + 2 * frameWidth();
}
