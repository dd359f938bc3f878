#include "dialogs.h"

#include "error.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <exception>

namespace {
Dialogs *current = nullptr;

QString boxTitle()
{
    return QCoreApplication::applicationName();
}
} // namespace

QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

bool QtDialogs::execute(QWidget *parent, FileDialog &dialog)
{
    QFileDialog box(parent, dialog.title, dialog.initialDir, qtFileFilter(dialog.filter));
    box.setObjectName(dialog.objectName);
    box.setFileMode(QFileDialog::ExistingFile);
    box.setAcceptMode(QFileDialog::AcceptOpen);
    QString suffix = dialog.defaultExt;
    suffix.remove(QStringLiteral("*."));
    box.setDefaultSuffix(suffix);
    if (!dialog.fileName.isEmpty()) {
        const QFileInfo current(dialog.fileName);
        if (current.isAbsolute())
            box.setDirectory(current.absolutePath());
        box.selectFile(current.fileName());
    }
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return false;
    dialog.fileName = box.selectedFiles().constFirst();
    return true;
}

void QtDialogs::error(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, boxTitle(), text);
}

void QtDialogs::message(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, boxTitle(), text);
}

bool ScriptedDialogs::execute(QWidget *, FileDialog &dialog)
{
    asked.push_back(dialog);
    if (answers.empty())
        return false;
    const std::optional<QString> answer = answers.front();
    answers.erase(answers.begin());
    if (!answer)
        return false;
    dialog.fileName = *answer;
    return true;
}

void ScriptedDialogs::error(QWidget *, const QString &text)
{
    errors << text;
}

void ScriptedDialogs::message(QWidget *, const QString &text)
{
    messages << text;
}

Dialogs &dialogs()
{
    static QtDialogs qt;
    return current ? *current : qt;
}

DialogsOverride::DialogsOverride(Dialogs &replacement) : previous_(current)
{
    current = &replacement;
}

DialogsOverride::~DialogsOverride()
{
    current = previous_;
}

void showError(const QString &text)
{
    dialogs().error(QApplication::activeWindow(), text);
}

void showMessage(const QString &text)
{
    dialogs().message(QApplication::activeWindow(), text);
}

bool executeDialog(QWidget *parent, FileDialog &dialog)
{
    return dialogs().execute(parent, dialog);
}

bool guarded(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const Error &e) {
        showError(e.text());
    } catch (const std::exception &e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
