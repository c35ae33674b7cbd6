#include "SearchPopover.h"

#include "ResultsModel.h"
#include "diary/SearchQuery.h"
#include "platform/Preferences.h"
#include "ui_SearchPopover.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>

namespace {
const int popoverMinimumWidth = 340;
const QString hintSeenKey = QStringLiteral("search/termsHintSeen");
} // namespace

namespace {

// Draws a result's words with the keyword in bold: the model's rich text in one line, in the
// view's colours for the row's state.
class MarkedTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
            const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString marked = index.data(ResultsModel::MarkedContextRole).toString();
        if (marked.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        item.text.clear();
        QStyle *style = item.widget ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
        QTextDocument document;
        document.setDefaultFont(item.font);
        document.setDocumentMargin(0);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
        const QColor colour = item.palette.color(
                item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text);
        document.setHtml(QStringLiteral("<span style=\"color:%1; white-space:pre\">%2</span>")
                                 .arg(colour.name(), marked));
        painter->save();
        painter->translate(
                area.left() + 2, area.top() + (area.height() - document.size().height()) / 2);
        painter->setClipRect(QRect(0, 0, area.width() - 2, area.height()));
        document.drawContents(painter, QRectF(0, 0, area.width() - 2, area.height()));
        painter->restore();
    }
};

} // namespace

SearchPopover::SearchPopover(QLineEdit *field, QWidget *window, penwick::Preferences *preferences)
    : QFrame(window)
    , m_field(field)
    , m_window(window)
    , m_model(new ResultsModel(this))
    , m_preferences(preferences)
{
    setAutoFillBackground(true);
    hide();
    // whether searches ignore case and accents is remembered
    if (m_preferences) {
        m_ignoresCase = m_preferences->value(penwick::prefkey::searchIgnoresCase).toBool();
        connect(this, &SearchPopover::ignoreCaseAndAccentsChanged, this, [this](bool on) {
            m_preferences->setValue(penwick::prefkey::searchIgnoresCase, on);
            m_preferences->sync();
        });
    }
    connect(m_field, &QLineEdit::returnPressed, this, [this] {
        if (!keyword().isEmpty()) {
            open();
            return;
        }
        // an empty list would say nothing: say what the field wants instead
        QToolTip::showText(m_field->mapToGlobal(QPoint(0, m_field->height())),
                tr("Type a word to search for, then press Return."), m_field);
    });
    // While the list is open, it follows the keyword as it is typed, once typing pauses.
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(150);
    connect(m_typingPause, &QTimer::timeout, this, [this] {
        if (isShown() && !keyword().isEmpty())
            Q_EMIT searchRequested(keyword());
    });
    connect(m_field, &QLineEdit::textChanged, this, [this](const QString &keyword) {
        if (keyword.isEmpty()) { // the clear button, or every letter deleted
            m_typingPause->stop();
            setResults({});
            hide();
        } else if (isShown()) {
            m_typingPause->start();
        }
    });
    auto *escape = new QShortcut(QKeySequence::Cancel, m_window);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        const bool inResults = m_ui && m_ui->resultsView->hasFocus();
        hide();
        if (inResults)
            m_field->setFocus();
    });
    m_field->installEventFilter(this);
    m_window->installEventFilter(this);
}

// The list, its title and its check box, built when the panel is first placed: most starts never
// search, and a table view with its headers is no small part of the window's construction.
void SearchPopover::buildPanel()
{
    if (m_ui)
        return;
    m_ui = std::make_unique<Ui::SearchPopover>();
    m_ui->setupUi(this);
    QFont small = m_ui->resultsTitle->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_ui->resultsTitle->setFont(small);

    QTableView *view = m_ui->resultsView;
    view->setModel(m_model);
    // Fixed sizes: a list of thousands of days is laid out without measuring each row.
    const QFontMetrics metrics = view->fontMetrics();
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    view->horizontalHeader()->resizeSection(
            0, metrics.horizontalAdvance(ResultsModel::dateText(QDate(2000, 12, 28))) + 24);
    view->setItemDelegateForColumn(1, new MarkedTextDelegate(view));
    view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SearchPopover::selectionChanged);
    // A click on the selected result shows its day again (the user may have moved to another
    // day since), and any click leaves the keyboard in the day's text.
    connect(view, &QAbstractItemView::pressed, this,
            [this] { m_selectedBeforePress = selectedRow(); });
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (index.row() == m_selectedBeforePress && m_model->dayAt(index.row()).isValid())
            Q_EMIT resultChosen(m_model->dayAt(index.row()));
        Q_EMIT editorRequested();
    });
    connect(m_ui->closeResultsButton, &QToolButton::clicked, this, &QWidget::hide);

    // Off by default: the search stays literal and case-sensitive unless the user asks.
    m_ignoreCase = new QCheckBox(tr("Ignore Case and Accents"), this);
    m_ignoreCase->setObjectName(QStringLiteral("ignoreCaseCheckBox"));
    m_ignoreCase->setAccessibleName(m_ignoreCase->text());
    m_ignoreCase->setFocusPolicy(Qt::NoFocus);
    m_ignoreCase->setChecked(m_ignoresCase);
    m_ui->popoverLayout->addWidget(m_ignoreCase);
    m_ui->resultsTitle->setTextFormat(Qt::AutoText);
    connect(m_ui->resultsTitle, &QLabel::linkActivated, m_ignoreCase,
            [this] { m_ignoreCase->setChecked(true); });
    connect(m_ignoreCase, &QCheckBox::toggled, this, [this](bool ignore) {
        m_ignoresCase = ignore;
        Q_EMIT ignoreCaseAndAccentsChanged(ignore);
        if (!keyword().isEmpty())
            Q_EMIT searchRequested(keyword());
    });
    view->installEventFilter(this);
    showCount();
}

SearchPopover::~SearchPopover() = default;

QString SearchPopover::keyword() const
{
    return m_field->text();
}

int SearchPopover::selectedRow() const
{
    if (!m_ui)
        return -1;
    const QModelIndexList rows = m_ui->resultsView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void SearchPopover::open()
{
    m_typingPause->stop();
    place();
    show();
    raise();
    if (!keyword().isEmpty()) {
        m_searched = true;
        Q_EMIT searchRequested(keyword());
    }
}

void SearchPopover::searchFor(const QString &query)
{
    m_field->setText(query);
    open();
}

// Shown the first time the field is used, until the field is left after a search; then never
// again.
void SearchPopover::showHintOnce()
{
    if (m_hint || !m_preferences || m_preferences->value(hintSeenKey).toBool())
        return;
    auto *layout = m_field->parentWidget()
            ? qobject_cast<QBoxLayout *>(m_field->parentWidget()->layout())
            : nullptr;
    if (!layout || layout->indexOf(m_field) < 0)
        return;
    QString hint = tr("Several words find the days that hold all of them; \"a phrase\" in quotes "
                      "stands together, -word leaves days out, #tag finds a tag.");
    // "-word" is never broken after its dash
    for (qsizetype i = hint.size() - 2; i >= 0; --i) {
        if (hint[i] == QLatin1Char('-') && (i == 0 || hint[i - 1].isSpace())
                && hint[i + 1].isLetter())
            hint.insert(i + 1, QChar(0x2060)); // a word joiner
    }
    m_hint = new QLabel(hint, m_field->parentWidget());
    m_hint->setObjectName(QStringLiteral("searchHint"));
    m_hint->setWordWrap(true);
    m_hint->setForegroundRole(QPalette::PlaceholderText);
    QFont small = m_hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_hint->setFont(small);
    m_field->setAccessibleDescription(hint.remove(QChar(0x2060)));
    layout->insertWidget(layout->indexOf(m_field) + 1, m_hint);
    m_hint->show();
}

bool SearchPopover::isWindowCommand(const QKeyEvent *key) const
{
    // the field's own editing keys stay the field's
    for (const QKeySequence::StandardKey own :
            { QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
                    QKeySequence::Redo, QKeySequence::SelectAll }) {
        if (key->matches(own))
            return false;
    }
    if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false; // typing, and the keys that move in the text
    const QKeySequence pressed(key->keyCombination());
    const QList<QAction *> actions = m_window->findChildren<QAction *>();
    return std::any_of(actions.cbegin(), actions.cend(), [&](const QAction *action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

void SearchPopover::focusField()
{
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void SearchPopover::setResults(QList<penwick::diary::DiaryEntry> results)
{
    const int remembered = selectedRow();
    m_restoringSelection = true;
    m_model->setResults(std::move(results), keyword(), ignoresCaseAndAccents());
    m_restoringSelection = false;
    showCount();
    keepSelectedRow(remembered);
}

void SearchPopover::followEdit(const penwick::diary::DiaryEntry &edited)
{
    const int remembered = selectedRow();
    // the model moving the selection with its rows is no choice of a day either
    m_restoringSelection = true;
    const bool changed = m_model->follow(edited,
            penwick::diary::QueryMatcher(keyword(), ignoresCaseAndAccents()).matches(edited.text));
    m_restoringSelection = false;
    if (!changed)
        return;
    showCount();
    keepSelectedRow(remembered);
}

bool SearchPopover::ignoresCaseAndAccents() const
{
    return m_ignoresCase;
}

void SearchPopover::setIgnoreCaseAndAccents(bool ignore)
{
    m_ignoresCase = ignore;
    if (m_ignoreCase) {
        const QSignalBlocker quiet(m_ignoreCase);
        m_ignoreCase->setChecked(ignore);
    }
}

void SearchPopover::setOtherCaseCount(int days)
{
    m_otherCaseCount = days;
    showCount();
}

void SearchPopover::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    Q_EMIT shownChanged(true);
}

void SearchPopover::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    Q_EMIT shownChanged(false);
}

void SearchPopover::showCount()
{
    if (!m_ui)
        return; // said when the panel is built
    const int count = m_model->rowCount();
    const QString word = keyword();
    if (word.isEmpty())
        m_ui->resultsTitle->clear();
    else if (count == 0 && m_otherCaseCount > 0 && !ignoresCaseAndAccents())
        m_ui->resultsTitle->setText(
                QStringLiteral("<a href=\"fold\">%1</a>")
                        .arg((m_otherCaseCount == 1
                                        ? tr("No day holds “%1”; 1 day holds it in another case "
                                             "or with accents.")
                                                  .arg(word)
                                        : tr("No day holds “%1”; %2 days hold it in another "
                                             "case or with accents.")
                                                  .arg(word, QLocale().toString(m_otherCaseCount)))
                                        .toHtmlEscaped()));
    else if (count == 0)
        m_ui->resultsTitle->setText(tr("No day holds “%1”").arg(word));
    else if (count == 1)
        m_ui->resultsTitle->setText(tr("1 day holds “%1”").arg(word));
    else
        m_ui->resultsTitle->setText(tr("%1 days hold “%2”").arg(QLocale().toString(count), word));
    if (isShown())
        place();
}

void SearchPopover::keepSelectedRow(int row)
{
    if (!m_ui)
        return;
    if (row < 0 || row >= m_model->rowCount()) {
        if (selectedRow() >= 0) {
            m_restoringSelection = true;
            m_ui->resultsView->clearSelection();
            m_restoringSelection = false;
        }
        return;
    }
    if (selectedRow() == row)
        return;
    // Keeping the user's place in the list is no choice of a day: the day, the calendar and
    // the editor stay as they are, or typing would land in another day's entry.
    m_restoringSelection = true;
    m_ui->resultsView->selectRow(row);
    m_restoringSelection = false;
    m_ui->resultsView->scrollTo(m_model->index(row, 0));
}

void SearchPopover::selectionChanged()
{
    if (m_restoringSelection)
        return;
    const QDate day = m_model->dayAt(selectedRow());
    if (day.isValid()) // a date from elsewhere may name no day
        Q_EMIT resultChosen(day);
}

void SearchPopover::place()
{
    buildPanel();
    // Beside the calendar, over the editor's edge, its foot level with the field: the day
    // being looked at stays in sight. Where the window is too narrow, above the field.
    const QRect field(m_field->mapTo(m_window, QPoint(0, 0)), m_field->size());
    const auto *mainWindow = qobject_cast<QMainWindow *>(m_window);
    const int menuHeight
            = mainWindow && mainWindow->menuBar() ? mainWindow->menuBar()->height() : 0;
    const int statusHeight = mainWindow && mainWindow->statusBar()->isVisible()
            ? mainWindow->statusBar()->height()
            : 0;
    const int besideLeft = field.right() + 12;
    const bool beside = besideLeft + popoverMinimumWidth <= m_window->width() - 8;
    // As many rows as there are results, down to three and up to what the window's height
    // holds: beside the field the panel may reach from the menu bar to the status bar.
    const int rowHeight = m_ui->resultsView->verticalHeader()->defaultSectionSize();
    const int frame = m_ui->resultsTitle->sizeHint().height() + 24;
    const int room = beside ? m_window->height() - statusHeight - menuHeight - 8
                            : field.top() - 3 - menuHeight;
    const int rows = std::clamp(m_model->rowCount(), 3, std::max(3, (room - frame) / rowHeight));
    const int height = frame + rows * rowHeight;
    if (beside) {
        // wide enough for a date and the words around its match, where the window has room
        const QTableView *view = m_ui->resultsView;
        const int wanted = view->horizontalHeader()->sectionSize(0)
                + view->fontMetrics().averageCharWidth() * 80 + 40;
        const int width = std::min(
                std::max(popoverMinimumWidth, wanted), m_window->width() - 8 - besideLeft);
        // its foot level with the field while it fits above it, else reaching further down
        const int top = std::max(
                std::min(field.bottom() - height, m_window->height() - statusHeight - 4 - height),
                menuHeight + 4);
        setGeometry(besideLeft, top, width, height);
    } else {
        const int width = std::min(
                std::max(field.width(), popoverMinimumWidth), m_window->width() - field.left() - 8);
        const int top = std::max(field.top() - height - 3, menuHeight);
        setGeometry(field.left(), top, width, height);
    }
    raise();
}

bool SearchPopover::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize) {
        if (isShown())
            place();
    } else if (watched == m_field && event->type() == QEvent::ShortcutOverride) {
        if (isWindowCommand(static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true; // not the field's: the window's command runs
        }
    } else if (watched == m_field && event->type() == QEvent::FocusIn) {
        showHintOnce();
    } else if (watched == m_field && event->type() == QEvent::FocusOut) {
        if (m_hint && m_searched) {
            m_hint->hide();
            m_preferences->setValue(hintSeenKey, true);
            m_preferences->sync();
        }
    } else if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_PageDown) && isShown()
                && m_model->rowCount() > 0) {
            m_ui->resultsView->setFocus();
            if (selectedRow() < 0)
                m_ui->resultsView->selectRow(0);
            return true;
        }
    } else if (m_ui && watched == m_ui->resultsView && event->type() == QEvent::KeyPress) {
        const auto *press = static_cast<QKeyEvent *>(event);
        const int key = press->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT editorRequested();
            return true;
        }
        // the first and the last result (a table's own Home and End stay in the row)
        if ((key == Qt::Key_Home || key == Qt::Key_End) && m_model->rowCount() > 0
                && !(press->modifiers() & ~Qt::KeypadModifier)) {
            const int row = key == Qt::Key_Home ? 0 : m_model->rowCount() - 1;
            m_ui->resultsView->setCurrentIndex(m_model->index(row, 0));
            m_ui->resultsView->selectRow(row);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
