// Window-modal alerts and file choosers behind one small interface, so that tests can answer
// them. Every call returns at once; the answer arrives in the completion, on the main thread.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace penwick {

class Panels
{
public:
    virtual ~Panels() = default;

    // An alert with a message and an informative text, attached to window.
    virtual void alert(QWidget *window, const QString &message, const QString &informative) = 0;
    // A question answered yes (true) or no.
    virtual void confirm(QWidget *window, const QString &message, const QString &informative,
            const QString &yesLabel, std::function<void(bool)> done)
            = 0;
    // An existing file, or the empty string when the user cancels.
    virtual void chooseFile(
            QWidget *window, const QString &title, std::function<void(QString)> done)
            = 0;
    // An existing folder, or the empty string.
    virtual void chooseFolder(
            QWidget *window, const QString &title, std::function<void(QString)> done)
            = 0;
    // A file name to save under, suggested first, or the empty string.
    virtual void chooseSaveFile(QWidget *window, const QString &title, const QString &suggestedName,
            std::function<void(QString)> done)
            = 0;
};

// The real panels: QMessageBox and QFileDialog, opened window-modal.
class QtPanels final : public Panels
{
public:
    void alert(QWidget *window, const QString &message, const QString &informative) override;
    void confirm(QWidget *window, const QString &message, const QString &informative,
            const QString &yesLabel, std::function<void(bool)> done) override;
    void chooseFile(
            QWidget *window, const QString &title, std::function<void(QString)> done) override;
    void chooseFolder(
            QWidget *window, const QString &title, std::function<void(QString)> done) override;
    void chooseSaveFile(QWidget *window, const QString &title, const QString &suggestedName,
            std::function<void(QString)> done) override;
};

} // namespace penwick
