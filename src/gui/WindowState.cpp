#include "WindowState.h"

#include "platform/Preferences.h"

#include <QMainWindow>
#include <QScreen>
#include <QSplitter>

namespace WindowState {

namespace {
const QString geometryKey = QStringLiteral("window/geometry");
const QString splitterKey = QStringLiteral("window/splitter");
} // namespace

void restore(QMainWindow *window, QSplitter *splitter, penwick::Preferences &preferences)
{
    const QRect screenArea = window->screen()->availableGeometry();
    if (!window->restoreGeometry(preferences.value(geometryKey).toByteArray())) {
        // a first start fits any screen at any scale
        window->resize(std::min(960, screenArea.width() * 9 / 10),
                std::min(620, screenArea.height() * 9 / 10));
        window->move(screenArea.center() - window->rect().center());
    }
    window->resize(std::min(window->width(), screenArea.width()),
            std::min(window->height(), screenArea.height()));
    if (!screenArea.intersects(window->frameGeometry()))
        window->move(screenArea.topLeft());
    splitter->restoreState(preferences.value(splitterKey).toByteArray());
}

void save(const QMainWindow *window, const QSplitter *splitter, penwick::Preferences &preferences)
{
    preferences.setValue(geometryKey, window->saveGeometry());
    preferences.setValue(splitterKey, splitter->saveState());
}

} // namespace WindowState
