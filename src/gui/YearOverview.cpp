#include "YearOverview.h"

#include "diary/DiarySession.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using penwick::calendar::YearLayout;
using penwick::calendar::YearStatistics;

namespace {

constexpr int levelRole = Qt::UserRole + 1; // 0 blank to 4 strongest; -1 no day
constexpr int shareRole = Qt::UserRole + 2; // a month's words against the year's most, 0 to 1

// From the window's colour towards another of the palette, t of the way (0 to 1).
QColor towards(const QPalette &palette, QPalette::ColorRole role, qreal t)
{
    const QColor base = palette.color(QPalette::Window);
    const QColor accent = palette.color(role);
    auto mix = [t](int a, int b) { return int(a + (b - a) * t); };
    return QColor(mix(base.red(), accent.red()), mix(base.green(), accent.green()),
            mix(base.blue(), accent.blue()));
}

QString wordsText(int words)
{
    return QCoreApplication::translate("YearOverview", "%n words", nullptr, words);
}

} // namespace

// The year's days as a table: weekdays in rows, weeks in columns.
class YearGridModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(const YearStatistics *stats)
    {
        beginResetModel();
        m_stats = stats;
        m_layout = YearLayout(stats->year, QLocale().firstDayOfWeek());
        endResetModel();
    }
    const YearLayout &layout() const { return m_layout; }
    QModelIndex indexOf(QDate day) const
    {
        int row = 0, column = 0;
        return m_layout.cellOf(day, &row, &column) ? index(row, column) : QModelIndex();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !m_stats ? 0 : YearLayout::rowCount;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !m_stats ? 0 : m_layout.columnCount();
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return m_layout.dayAt(index.row(), index.column()).isValid()
                ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                : Qt::NoItemFlags;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        const QDate day = m_layout.dayAt(index.row(), index.column());
        if (role == levelRole)
            return day.isValid() ? m_stats->level(day) : -1;
        if (role == Qt::UserRole)
            return day;
        if (!day.isValid() || (role != Qt::ToolTipRole && role != Qt::AccessibleTextRole))
            return {};
        const auto words = m_stats->words.constFind(day);
        const QString date = QLocale().toString(day, QLocale::LongFormat);
        return words == m_stats->words.cend()
                ? QCoreApplication::translate("YearOverview", "%1: nothing written").arg(date)
                : QCoreApplication::translate("YearOverview", "%1: %2")
                          .arg(date, wordsText(*words));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Vertical && section >= 0 && section < YearLayout::rowCount) {
            const QString name
                    = QLocale().dayName(m_layout.weekdayOf(section), QLocale::ShortFormat);
            if (role == Qt::AccessibleTextRole)
                return name;
            if (role == Qt::DisplayRole)
                return section % 2 ? QString() : name; // every other one, as room allows
        }
        if (orientation == Qt::Horizontal && role == Qt::AccessibleTextRole) {
            const QDate first = m_layout.dayAt(0, section).isValid() ? m_layout.dayAt(0, section)
                                                                     : QDate(m_stats->year, 1, 1);
            return QLocale().monthName(first.month());
        }
        return {};
    }

private:
    const YearStatistics *m_stats = nullptr;
    YearLayout m_layout;
};

// The words of each month as a table of one row, drawn as bars.
class MonthWordsModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(const YearStatistics *stats)
    {
        beginResetModel();
        m_stats = stats;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !m_stats ? 0 : 1;
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !m_stats ? 0 : 12;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        const qint64 words = m_stats->wordsPerMonth[size_t(index.column())];
        if (role == shareRole) {
            const qint64 most = *std::max_element(
                    m_stats->wordsPerMonth.cbegin(), m_stats->wordsPerMonth.cend());
            return most > 0 ? qreal(words) / qreal(most) : 0.0;
        }
        if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
            return QCoreApplication::translate("YearOverview", "%1: %2")
                    .arg(QLocale().standaloneMonthName(index.column() + 1), wordsText(int(words)));
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return QLocale().standaloneMonthName(section + 1, QLocale::NarrowFormat);
        if (orientation == Qt::Horizontal && role == Qt::AccessibleTextRole)
            return QLocale().standaloneMonthName(section + 1);
        return {};
    }

private:
    const YearStatistics *m_stats = nullptr;
};

namespace {

// A day's square: blank with a faint edge when nothing was written, the accent colour light to
// strong by the words; the keyboard's square framed in the text's colour.
class DaySquare : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
            const QModelIndex &index) const override
    {
        const int level = index.data(levelRole).toInt();
        if (level < 0)
            return;
        const QPalette &palette = option.palette;
        const QRectF square = QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        // a faint square where nothing was written, in light and dark palettes alike
        static constexpr qreal strength[] = { 0.1, 0.35, 0.55, 0.78, 1.0 };
        painter->setPen(Qt::NoPen);
        painter->setBrush(towards(
                palette, level == 0 ? QPalette::Text : QPalette::Highlight, strength[level]));
        painter->drawRoundedRect(square, 2, 2);
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(palette.color(QPalette::Text), 2));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        }
        painter->restore();
    }
};

// A month's bar, standing on the cell's foot.
class MonthBar : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
            const QModelIndex &index) const override
    {
        const qreal share = index.data(shareRole).toReal();
        const QRect cell = option.rect.adjusted(3, 2, -3, 0);
        const int height = std::max(share > 0 ? 2 : 0, int(cell.height() * share));
        painter->fillRect(QRect(cell.left(), cell.bottom() - height + 1, cell.width(), height),
                option.palette.color(QPalette::Highlight));
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(option.palette.color(QPalette::Text));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
    }
};

// The months' names over the squares, each over its first day's week.
class MonthRuler : public QWidget
{
public:
    MonthRuler(QTableView *grid, YearGridModel *model, QWidget *parent)
        : QWidget(parent), m_grid(grid), m_model(model)
    {
        setFixedHeight(fontMetrics().height() + 2);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const int left = m_grid->geometry().left() - geometry().left()
                + m_grid->verticalHeader()->width() + m_grid->frameWidth();
        for (int month = 1; month <= 12; ++month) {
            const QModelIndex first = m_model->indexOf(QDate(m_model->layout().year(), month, 1));
            if (!first.isValid())
                continue;
            // a month starting late in its week is named over the next one, its first whole
            const int column = first.column() + (first.row() > 3 ? 1 : 0);
            painter.drawText(
                    QPoint(left + m_grid->columnViewportPosition(column), fontMetrics().ascent()),
                    QLocale().standaloneMonthName(month, QLocale::ShortFormat));
        }
    }

private:
    QTableView *m_grid;
    YearGridModel *m_model;
};

QTableView *newTable(const char *name, const QString &accessibleName)
{
    auto *table = new QTableView;
    table->setObjectName(QLatin1String(name));
    table->setAccessibleName(accessibleName);
    table->setShowGrid(false);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFrameShape(QFrame::NoFrame);
    table->setMouseTracking(true);
    table->viewport()->setBackgroundRole(QPalette::Window); // squares and bars on the window
    for (QHeaderView *header : { table->horizontalHeader(), table->verticalHeader() }) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(4);
        header->setHighlightSections(false);
    }
    return table;
}

} // namespace

YearOverview::YearOverview(penwick::diary::DiarySession *session, QWidget *parent)
    : QDialog(parent), m_session(session), m_open(new QAction(tr("Year &Overview…"), this))
{
    setObjectName(QStringLiteral("yearOverview"));
    setWindowTitle(tr("Year Overview"));
    setAccessibleName(windowTitle());
    m_open->setObjectName(QStringLiteral("actionYearOverview"));
    m_open->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Y));
    connect(m_open, &QAction::triggered, this, &YearOverview::present);
}

void YearOverview::addActionsTo(QMenu *view)
{
    view->addAction(m_open);
}

void YearOverview::present()
{
    const bool first = !m_built;
    build();
    // the diary as it is now: a look at the file, as showing a day takes
    const QDate day = m_session->selectedDay();
    m_session->textOf(day);
    showYear(day.year(), day);
    if (first)
        fitToScreen();
    show();
    raise();
    activateWindow();
    m_grid->setFocus(Qt::ActiveWindowFocusReason);
}

// Built when first opened: most runs of Penwick never open it.
void YearOverview::build()
{
    if (std::exchange(m_built, true))
        return;
    m_previousYear = new QToolButton;
    m_previousYear->setObjectName(QStringLiteral("previousYearButton"));
    m_previousYear->setText(QStringLiteral("‹"));
    m_previousYear->setAccessibleName(tr("Previous year"));
    m_previousYear->setToolTip(tr("Previous year (Ctrl+Shift+PgUp)"));
    m_nextYear = new QToolButton;
    m_nextYear->setObjectName(QStringLiteral("nextYearButton"));
    m_nextYear->setText(QStringLiteral("›"));
    m_nextYear->setAccessibleName(tr("Next year"));
    m_nextYear->setToolTip(tr("Next year (Ctrl+Shift+PgDown)"));
    m_yearLabel = new QLabel;
    m_yearLabel->setObjectName(QStringLiteral("yearLabel"));
    QFont big = m_yearLabel->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_yearLabel->setFont(big);
    auto step = [this](int years) {
        const QModelIndex here = m_grid->currentIndex();
        const QDate day = here.data(Qt::UserRole).toDate();
        showYear(year() + years, day.isValid() ? day.addYears(years) : QDate());
    };
    connect(m_previousYear, &QToolButton::clicked, this, [step] { step(-1); });
    connect(m_nextYear, &QToolButton::clicked, this, [step] { step(1); });
    for (const auto &[key, years] : { std::pair { Qt::Key_PageUp, -1 }, { Qt::Key_PageDown, 1 } })
        connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key), this),
                &QShortcut::activated, this, [step, years = years] { step(years); });

    // The squares: as large as the text, smaller where the screen is narrow (at 200 % on a
    // small screen), never too small to see.
    m_gridModel = new YearGridModel(this);
    m_grid = newTable("yearGrid", tr("Days of the year"));
    m_grid->setAccessibleDescription(tr("Each square is a day; the stronger its colour, the more "
                                        "words were written that day."));
    m_grid->setModel(m_gridModel);
    m_grid->setItemDelegate(new DaySquare(m_grid));
    m_grid->horizontalHeader()->hide();
    QFont small = m_grid->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    m_grid->verticalHeader()->setFont(small);
    // the weekdays' names beside the rows, as plain text rather than buttons
    m_grid->verticalHeader()->setStyleSheet(
            QStringLiteral("QHeaderView { background: transparent; } QHeaderView::section { "
                           "border: none; background: transparent; padding: 0 4px 0 0; }"));
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int screenWidth
            = (screen() ? screen() : QApplication::primaryScreen())->availableGeometry().width();
    const int cell = std::clamp((screenWidth - 140) / 54, 8, fontMetrics().height());
    m_grid->horizontalHeader()->setDefaultSectionSize(cell);
    m_grid->verticalHeader()->setDefaultSectionSize(cell);
    m_grid->verticalHeader()->setMinimumWidth(
            QFontMetrics(small).horizontalAdvance(QLocale().dayName(3, QLocale::ShortFormat)) + 6);
    connect(m_grid, &QAbstractItemView::activated, this, &YearOverview::chooseDay);
    connect(m_grid, &QAbstractItemView::clicked, this, &YearOverview::chooseDay);
    m_monthRuler = new MonthRuler(m_grid, m_gridModel, nullptr);

    m_daysWritten = new QLabel;
    m_words = new QLabel;
    m_longest = new QLabel;
    m_current = new QLabel;
    auto *figures = new QFormLayout;
    figures->setHorizontalSpacing(12);
    const struct
    {
        QLabel *value;
        const char *name;
        QString label;
    } rows[] = { { m_daysWritten, "daysWritten", tr("Days written:") },
        { m_words, "yearWords", tr("Words:") },
        { m_longest, "longestStreak", tr("Longest streak:") },
        { m_current, "currentStreak", tr("Current streak:") } };
    for (const auto &row : rows) {
        row.value->setObjectName(QLatin1String(row.name));
        row.value->setTextInteractionFlags(
                Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        row.value->setFocusPolicy(Qt::TabFocus);
        figures->addRow(row.label, row.value);
        row.value->setAccessibleName(QString(row.label).remove(QLatin1Char(':')));
    }

    m_monthsModel = new MonthWordsModel(this);
    m_months = newTable("monthWords", tr("Words per month"));
    m_months->setModel(m_monthsModel);
    m_months->setItemDelegate(new MonthBar(m_months));
    m_months->verticalHeader()->hide();
    m_months->horizontalHeader()->setDefaultSectionSize(
            fontMetrics().horizontalAdvance(QStringLiteral("MMM")) + 4);
    m_months->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 5);
    m_months->horizontalHeader()->setFixedHeight(fontMetrics().height() + 8);
    m_months->setFixedSize(m_months->horizontalHeader()->defaultSectionSize() * 12,
            m_months->verticalHeader()->defaultSectionSize() + fontMetrics().height() + 8);

    m_tags = new QTreeWidget;
    m_tags->setObjectName(QStringLiteral("yearTags"));
    m_tags->setAccessibleName(tr("Tags of the year"));
    m_tags->setColumnCount(2);
    m_tags->setHeaderLabels({ tr("Tag"), tr("Days") });
    m_tags->setRootIsDecorated(false);
    m_tags->header()->setStretchLastSection(false);
    m_tags->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tags->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_tags->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    m_tags->setFixedHeight(m_months->height());
    connect(m_tags, &QTreeWidget::itemActivated, this, &YearOverview::chooseTag);
    connect(m_tags, &QTreeWidget::itemClicked, this, &YearOverview::chooseTag);

    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    auto *top = new QHBoxLayout;
    top->addWidget(m_previousYear);
    top->addWidget(m_yearLabel);
    top->addWidget(m_nextYear);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(m_monthRuler);
    layout->addWidget(m_grid, 0, Qt::AlignLeft);
    layout->addSpacing(8);
    auto *monthsTitle = new QLabel(tr("Words per month"));
    auto *tagsTitle = new QLabel(tr("Tags of the year"));
    // the figures, the bars and the tags side by side where the screen has room for them, else
    // one under the other (at 200 % on a small screen)
    auto *below = new QGridLayout;
    below->setHorizontalSpacing(24);
    const bool roomy = screenWidth >= fontMetrics().averageCharWidth() * 40 + m_months->width()
                    + m_tags->minimumWidth() + 140;
    below->addLayout(figures, 0, 0, roomy ? 2 : 1, 1, Qt::AlignTop);
    below->addWidget(monthsTitle, roomy ? 0 : 1, roomy ? 1 : 0);
    below->addWidget(m_months, roomy ? 1 : 2, roomy ? 1 : 0, Qt::AlignTop | Qt::AlignLeft);
    below->addWidget(tagsTitle, roomy ? 0 : 3, roomy ? 2 : 0);
    below->addWidget(m_tags, roomy ? 1 : 4, roomy ? 2 : 0, Qt::AlignTop | Qt::AlignLeft);
    below->setColumnStretch(3, 1);
    layout->addLayout(below);
    layout->addStretch(1);
    auto *scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    setTabOrder(m_grid, m_previousYear);
    setTabOrder(m_previousYear, m_nextYear);
    m_gridModel->show(&m_stats); // laid out for its widest year, then fitted to the screen
    m_grid->setFixedSize(m_grid->verticalHeader()->sizeHint().width() + cell * 54, cell * 7);
    m_scroll = scroll;
}

// As large as what it shows, within the screen: scrolled only where the screen is too small.
void YearOverview::fitToScreen()
{
    QWidget *content = m_scroll->widget();
    content->ensurePolished();
    content->layout()->activate();
    const QRect room = (screen() ? screen() : QApplication::primaryScreen())->availableGeometry();
    const QSize wanted = content->minimumSizeHint().expandedTo(content->sizeHint())
            + QSize(m_scroll->verticalScrollBar()->sizeHint().width() + 4, 4);
    resize(std::min(wanted.width(), room.width() - 40),
            std::min(wanted.height(), room.height() - 60));
}

void YearOverview::showYear(int year, QDate focus)
{
    if (year < 1 || year > 9999)
        return;
    build();
    const penwick::diary::SnapshotPointer file = m_session->lastSnapshot();
    const QMap<QString, QString> &unsaved = m_session->unsavedChanges();
    m_stats = file ? YearStatistics::of(year, file->textsOfYear(year, unsaved),
                      file->daysWithText(unsaved), m_session->today())
                   : YearStatistics::of(year, {}, {}, m_session->today());
    m_gridModel->show(&m_stats);
    m_monthsModel->show(&m_stats);
    const int cell = m_grid->horizontalHeader()->defaultSectionSize();
    m_grid->setFixedSize(
            m_grid->verticalHeader()->sizeHint().width() + cell * m_gridModel->columnCount(),
            cell * YearLayout::rowCount);
    m_monthRuler->setFixedWidth(m_grid->width());
    m_grid->setAccessibleName(tr("Days of %1").arg(year));
    showFigures();
    if (!focus.isValid() || focus.year() != year)
        focus = QDate(year, 1, 1);
    m_grid->setCurrentIndex(m_gridModel->indexOf(focus));
    m_grid->setFocus();
    m_monthRuler->update();
}

QString YearOverview::streakText(const penwick::calendar::Streak &streak) const
{
    if (streak.days() == 0)
        return tr("none");
    const QLocale locale;
    if (streak.days() == 1)
        return tr("1 day (%1)").arg(locale.toString(streak.first, QLocale::ShortFormat));
    return tr("%n days (%1 – %2)", nullptr, streak.days())
            .arg(locale.toString(streak.first, QLocale::ShortFormat),
                    locale.toString(streak.last, QLocale::ShortFormat));
}

void YearOverview::showFigures()
{
    const QLocale locale;
    m_yearLabel->setText(QString::number(m_stats.year));
    m_daysWritten->setText(
            tr("%1 of %2")
                    .arg(locale.toString(m_stats.daysWritten),
                            locale.toString(QDate(m_stats.year, 1, 1).daysInYear())));
    m_words->setText(locale.toString(m_stats.wordCount));
    m_longest->setText(streakText(m_stats.longest));
    m_current->setText(streakText(m_stats.current));
    m_tags->clear();
    for (const penwick::calendar::YearTag &tag : std::as_const(m_stats.tags)) {
        auto *item = new QTreeWidgetItem(m_tags, { tag.name, locale.toString(tag.days) });
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (m_stats.tags.isEmpty()) {
        auto *none = new QTreeWidgetItem(m_tags, { tr("No tags this year") });
        none->setFlags(Qt::NoItemFlags);
    }
}

void YearOverview::chooseDay(const QModelIndex &index)
{
    const QDate day = index.data(Qt::UserRole).toDate();
    if (!day.isValid())
        return;
    accept();
    if (parentWidget()) // the keyboard goes back to the window, into the day
        parentWidget()->activateWindow();
    Q_EMIT dayChosen(day);
}

void YearOverview::chooseTag(QTreeWidgetItem *item)
{
    if (!item || !(item->flags() & Qt::ItemIsEnabled))
        return;
    accept();
    Q_EMIT tagChosen(item->text(0));
}
