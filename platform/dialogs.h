#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

// A file dialog as the windows describe it: title, filter in "Text|*.ext|Text|*.*" form, the
// default extension and the folder it opens in. fileName is the dialog's current file: a window
// may keep its selection there between uses.
struct FileDialog
{
    QString objectName;
    QString title;
    QString filter;
    QString defaultExt; // "*.zki" or "zki"
    QString initialDir;
    QString fileName;
};

// The filter in the form Qt's file dialog takes: "Text (*.ext);;Text (*.*)".
QString qtFileFilter(const QString &filter);

// Everything a window asks the user through a standard dialog. The program uses QtDialogs; tests
// install a ScriptedDialogs that answers file dialogs from a queue and records every message.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Shows the dialog; when a file is chosen it becomes dialog.fileName and the result is true.
    virtual bool execute(QWidget *parent, FileDialog &dialog) = 0;
    // The application's standard error box.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // A plain modal message.
    virtual void message(QWidget *parent, const QString &text) = 0;
};

class QtDialogs : public Dialogs
{
public:
    bool execute(QWidget *parent, FileDialog &dialog) override;
    void error(QWidget *parent, const QString &text) override;
    void message(QWidget *parent, const QString &text) override;
};

class ScriptedDialogs : public Dialogs
{
public:
    // Answers for the next file dialogs, in order; std::nullopt cancels. With no answer queued a
    // dialog is cancelled.
    std::vector<std::optional<QString>> answers;
    std::vector<FileDialog> asked; // every dialog as it was shown
    QStringList errors;
    QStringList messages;

    bool execute(QWidget *parent, FileDialog &dialog) override;
    void error(QWidget *parent, const QString &text) override;
    void message(QWidget *parent, const QString &text) override;
};

// The dialogs of this process: QtDialogs unless a test installed others.
Dialogs &dialogs();

// Installs other dialogs for the lifetime of the object (tests).
class DialogsOverride
{
public:
    explicit DialogsOverride(Dialogs &replacement);
    ~DialogsOverride();
    DialogsOverride(const DialogsOverride &) = delete;
    DialogsOverride &operator=(const DialogsOverride &) = delete;

private:
    Dialogs *previous_;
};

// Shortcuts on dialogs(), parented to the active window.
void showError(const QString &text);
void showMessage(const QString &text);
bool executeDialog(QWidget *parent, FileDialog &dialog);

// Runs an action as an event handler: an Error (or any other exception) stops it and its text
// goes to the standard error box. Returns whether the action ran to its end.
bool guarded(const std::function<void()> &action);
