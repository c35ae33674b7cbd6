// Where the window was and how its panes were split, kept in the preferences between runs; a
// window remembered on a larger or another screen is brought back onto this one.
#pragma once

class QMainWindow;
class QSplitter;
namespace penwick {
class Preferences;
}

namespace WindowState {

void restore(QMainWindow *window, QSplitter *splitter, penwick::Preferences &preferences);
void save(const QMainWindow *window, const QSplitter *splitter, penwick::Preferences &preferences);

} // namespace WindowState
