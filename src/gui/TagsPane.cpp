#include "TagsPane.h"

#include "DiaryEditor.h"
#include "DiaryTags.h"
#include "TagCompletion.h"
#include "diary/DiarySession.h"
#include "diary/Search.h"
#include "platform/Preferences.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
const QString shownKey = QStringLiteral("view/tags");
constexpr int keyRole = Qt::UserRole;
constexpr int daysRole = Qt::UserRole + 1;
} // namespace

TagsPane::TagsPane(penwick::diary::DiarySession *session, DiaryEditor *editor, QMainWindow *window)
    : QDockWidget(tr("Tags"), window)
    , m_session(session)
    , m_window(window)
    , m_editor(editor)
    , m_tags(new DiaryTags(session, this))
    , m_toggle(new QAction(tr("&Tags"), this))
{
    setObjectName(QStringLiteral("tagsPane"));
    hide(); // docked when first shown
    new TagCompletion(editor, m_tags, this);
    connect(editor, &DiaryEditor::textEdited, m_tags, &DiaryTags::followEdit);
    connect(m_tags, &DiaryTags::changed, this, [this] {
        if (isVisible())
            fill();
    });
    m_toggle->setObjectName(QStringLiteral("actionTags"));
    m_toggle->setCheckable(true);
    m_toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    connect(m_toggle, &QAction::toggled, this, [this](bool on) {
        m_session->preferences().setValue(shownKey, on);
        m_session->preferences().sync();
        if (on)
            build();
        // the keyboard goes back to the page when the pane it was in goes
        const bool hadFocus = !on && isAncestorOf(QApplication::focusWidget());
        setVisible(on);
        if (hadFocus)
            m_editor->setFocus(Qt::OtherFocusReason);
        if (on) {
            raise();
            m_filter->setFocus(Qt::ShortcutFocusReason);
        }
    });
    if (session->preferences().value(shownKey).toBool()) {
        const QSignalBlocker quiet(m_toggle);
        m_toggle->setChecked(true);
        build();
        show();
    }
}

// Built when first shown: most starts never show the pane, and a list with its header is no small
// part of a window's construction.
void TagsPane::build()
{
    if (m_list)
        return;
    m_filter = new QLineEdit;
    m_order = new QComboBox;
    m_list = new QTreeView;
    m_empty = new QLabel(tr("No tags yet: a word with # before it, such as #garden, is one."));
    m_model = new QStandardItemModel(0, 2, this);
    m_shown = new QSortFilterProxyModel(this);
    m_filter->setObjectName(QStringLiteral("tagFilter"));
    m_filter->setPlaceholderText(tr("Filter tags"));
    m_filter->setAccessibleName(tr("Filter the tags"));
    m_filter->setClearButtonEnabled(true);
    m_order->setObjectName(QStringLiteral("tagOrder"));
    m_order->setAccessibleName(tr("Order of the tags"));
    m_order->addItems({ tr("Most days first"), tr("By name") });
    m_list->setObjectName(QStringLiteral("tagList"));
    m_list->setAccessibleName(tr("Tags and the days that hold them"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setAllColumnsShowFocus(true);
    m_model->setHorizontalHeaderLabels({ tr("Tag"), tr("Days") });
    m_shown->setSourceModel(m_model);
    m_shown->setFilterRole(keyRole);
    m_shown->setFilterKeyColumn(0);
    m_shown->setSortLocaleAware(true);
    m_list->setModel(m_shown);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_empty->setObjectName(QStringLiteral("tagsEmpty"));
    m_empty->setWordWrap(true);
    m_empty->setForegroundRole(QPalette::PlaceholderText);

    auto *pane = new QWidget;
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->addWidget(m_filter);
    layout->addWidget(m_order);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_empty);
    layout->addStretch(0);
    setWidget(pane);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
            | QDockWidget::DockWidgetFloatable);

    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_shown->setFilterFixedString(penwick::diary::foldedForSearch(text.trimmed()));
        if (m_shown->rowCount() > 0)
            m_list->setCurrentIndex(m_shown->index(0, 0));
    });
    connect(m_order, &QComboBox::currentIndexChanged, this, &TagsPane::order);
    connect(m_list, &QAbstractItemView::activated, this, &TagsPane::chooseRow);
    connect(m_list, &QAbstractItemView::clicked, this, &TagsPane::chooseRow);
    m_filter->installEventFilter(this);
    m_window->addDockWidget(Qt::RightDockWidgetArea, this);
}

void TagsPane::addActionsTo(QMenu *view)
{
    view->addAction(m_toggle);
}

void TagsPane::showEvent(QShowEvent *event)
{
    build();
    QDockWidget::showEvent(event);
    m_tags->setWatched(true);
    m_tags->refresh();
    fill();
}

void TagsPane::closeEvent(QCloseEvent *event)
{
    QDockWidget::closeEvent(event);
    m_toggle->setChecked(false); // the pane's own close button is the menu's toggle
}

void TagsPane::hideEvent(QHideEvent *event)
{
    QDockWidget::hideEvent(event);
    m_tags->setWatched(false);
}

void TagsPane::fill()
{
    const QString current = m_list->currentIndex().data(keyRole).toString();
    m_model->removeRows(0, m_model->rowCount());
    const QList<penwick::tags::TagCount> counts = m_tags->counts();
    for (const penwick::tags::TagCount &tag : counts) {
        auto *name = new QStandardItem(tag.name);
        name->setData(tag.key, keyRole);
        auto *days = new QStandardItem(QLocale().toString(tag.days));
        days->setData(tag.days, daysRole);
        days->setData(int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
        days->setData(tr("%n days", nullptr, tag.days), Qt::AccessibleTextRole);
        m_model->appendRow({ name, days });
    }
    m_empty->setVisible(counts.isEmpty());
    m_list->setVisible(!counts.isEmpty());
    order();
    for (int row = 0; row < m_shown->rowCount(); ++row) {
        if (m_shown->index(row, 0).data(keyRole).toString() == current)
            m_list->setCurrentIndex(m_shown->index(row, 0));
    }
}

void TagsPane::order()
{
    if (m_order->currentIndex() == 0) {
        // the index's order: most days first, then by name
        m_shown->setSortRole(daysRole);
        m_shown->sort(-1);
    } else {
        m_shown->setSortRole(keyRole); // case and accents aside, in the user's language
        m_shown->sort(0, Qt::AscendingOrder);
    }
}

void TagsPane::chooseRow(const QModelIndex &index)
{
    if (index.isValid())
        Q_EMIT tagChosen(m_shown->index(index.row(), 0).data().toString());
}

bool TagsPane::eventFilter(QObject *watched, QEvent *event)
{
    // from the filter, Down goes into the list and Return chooses the first tag shown
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down && m_shown->rowCount() > 0) {
            m_list->setFocus();
            m_list->setCurrentIndex(m_shown->index(0, 0));
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_shown->rowCount() > 0) {
            chooseRow(m_list->currentIndex().isValid() ? m_list->currentIndex()
                                                       : m_shown->index(0, 0));
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}
