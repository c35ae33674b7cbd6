#include "WarningBar.h"

#include "ui_WarningBar.h"

WarningBar::WarningBar(QWidget *parent) : QFrame(parent), m_ui(new Ui::WarningBar)
{
    m_ui->setupUi(this);
    // An amber tint over the palette's window colour, so the bar reads in light and dark themes.
    QPalette tinted = palette();
    const QColor base = tinted.color(QPalette::Window);
    const QColor amber(255, 176, 32);
    tinted.setColor(QPalette::Window,
            QColor::fromRgbF(base.redF() * 0.7f + amber.redF() * 0.3f,
                    base.greenF() * 0.7f + amber.greenF() * 0.3f,
                    base.blueF() * 0.7f + amber.blueF() * 0.3f));
    setPalette(tinted);
    setAutoFillBackground(true);
    hide();
    connect(m_ui->tryAgainButton, &QPushButton::clicked, this, &WarningBar::tryAgainRequested);
}

WarningBar::~WarningBar() = default;

void WarningBar::showWarning(const QString &text, bool canTryAgain)
{
    m_ui->warningText->setText(text);
    m_ui->tryAgainButton->setVisible(canTryAgain);
    show();
}

void WarningBar::clearWarning()
{
    hide();
    m_ui->warningText->clear();
}

QString WarningBar::text() const
{
    return m_ui->warningText->text();
}
