#include "OnThisDay.h"

#include "diary/DiarySession.h"
#include "platform/Preferences.h"

#include <QAction>
#include <QKeyEvent>
#include <QLocale>

namespace {
const QString shownKey = QStringLiteral("view/onThisDay");
constexpr int yearsBack = 150;
constexpr int firstWords = 60; // characters
} // namespace

OnThisDay::OnThisDay(penwick::diary::DiarySession *session, QWidget *parent)
    : QListWidget(parent), m_session(session), m_toggle(new QAction(tr("On This Day"), this))
{
    setObjectName(QStringLiteral("onThisDay"));
    setAccessibleName(tr("On this day in earlier years"));
    setMaximumHeight(fontMetrics().height() * 6);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
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
        const QString text = m_session->textOf(earlier).simplified();
        if (text.isEmpty())
            continue;
        auto *item = new QListWidgetItem(
                QStringLiteral("%1 — %2").arg(QString::number(year), text.left(firstWords)));
        item->setData(Qt::UserRole, earlier);
        item->setToolTip(QLocale().toString(earlier, QLocale::LongFormat));
        addItem(item);
    }
    if (count() == 0) {
        auto *none = new QListWidgetItem(tr("Nothing on this day in earlier years"));
        none->setFlags(Qt::NoItemFlags);
        addItem(none);
    }
}
