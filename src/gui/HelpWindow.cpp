#include "HelpWindow.h"

#include "help/Manual.h"

#include <QEvent>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_view(new QTextBrowser)
{
    setWindowTitle(tr("Penwick Help"));
    setAccessibleName(tr("Penwick Help"));
    m_view->setObjectName(QStringLiteral("manualView"));
    m_view->setAccessibleName(tr("Manual"));
    m_view->document()->setDocumentMargin(16);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    resize(520, 560);
    rebuild();
}

void HelpWindow::rebuild()
{
    m_view->clear();
    QTextCursor cursor(m_view->document());
    const QColor text = palette().color(QPalette::Text);
    for (const penwick::help::ManualParagraph &paragraph : penwick::help::manual()) {
        QTextCharFormat format;
        QFont font = this->font();
        font.setBold(paragraph.bold);
        font.setPointSize(paragraph.pointSize);
        format.setFont(font);
        format.setForeground(text);
        cursor.insertText(paragraph.text + QStringLiteral("\n\n"), format);
    }
    m_view->moveCursor(QTextCursor::Start);
}

void HelpWindow::changeEvent(QEvent *event)
{
    // a theme or language change while the window is open
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("Penwick Help"));
        rebuild();
    }
    QWidget::changeEvent(event);
}

void HelpWindow::showEvent(QShowEvent *event)
{
    rebuild();
    QWidget::showEvent(event);
}
