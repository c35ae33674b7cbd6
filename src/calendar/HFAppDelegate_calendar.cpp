// Calendar: the controller's month display.
#include "app/HFAppDelegate.h"

#include <QPushButton>

using namespace penwick;

void HFAppDelegate::orgs()
{
    const QDate day = m_selectedDate.toLocalTime().date();
    if (m_move)
        m_move->setText(QStringLiteral("%1.%2").arg(day.year()).arg(day.month()));
    placeText(read(rule(1).format(m_selectedDate)));
}
