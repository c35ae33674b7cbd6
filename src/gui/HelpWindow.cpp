#include "HelpWindow.h"

#include "help/Manual.h"
#include "platform/Preferences.h"

#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString geometryKey = QStringLiteral("help/geometry");
const QString scrollKey = QStringLiteral("help/scroll");
} // namespace

HelpWindow::HelpWindow(penwick::Preferences &preferences, QWidget *parent)
    : QWidget(parent, Qt::Window), m_preferences(preferences), m_view(new QTextBrowser)
{
    setWindowTitle(tr("Penwick Help"));
    setAccessibleName(tr("Penwick Help"));
    m_view->setObjectName(QStringLiteral("manualView"));
    m_view->setAccessibleName(tr("Manual"));
    m_view->document()->setDocumentMargin(16);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setMinimumSize(240, 200);
    resize(520, 560);
    for (const QKeySequence &key :
            { QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape) }) {
        auto *shortcut = new QShortcut(key, this, this, &QWidget::close);
        shortcut->setContext(Qt::WindowShortcut);
    }
    rebuild();
    if (!restoreGeometry(m_preferences.value(geometryKey).toByteArray()))
        placeBesideParent();
}

// To the right of the main window where the screen has room, else to its left, else over it.
void HelpWindow::placeBesideParent()
{
    QWidget *main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main)
        return;
    const QRect area = main->screen()->availableGeometry();
    const QRect frame = main->frameGeometry();
    resize(std::min(width(), area.width()), std::min(height(), area.height()));
    const int gap = 8;
    int x = frame.right() + gap;
    if (x + width() > area.right())
        x = frame.left() - gap - width();
    if (x < area.left())
        x = area.right() - width();
    const int y
            = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - height()));
    move(x, y);
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
    // the range is known once the text is laid out in the shown window
    QTimer::singleShot(0, this, [this] {
        m_view->verticalScrollBar()->setValue(int(m_preferences.value(scrollKey).toLongLong()));
    });
}

void HelpWindow::hideEvent(QHideEvent *event)
{
    m_preferences.setValue(geometryKey, saveGeometry());
    m_preferences.setValue(scrollKey, qlonglong(m_view->verticalScrollBar()->value()));
    m_preferences.sync();
    QWidget::hideEvent(event);
}
