// The settings window's choice of collections and environment.
#include "tmain.h"

#include "envinfo.h"
#include "gamestate.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QToolButton>

ImageList &Tmain::imageList(int player)
{
    return player == 0 ? state_.pllist1 : state_.pllist2;
}

void Tmain::loadPreview(int player, const QString &path)
{
    ImageList fresh;
    fresh.loadFromFile(path);
    const ImagePtr body = fresh.find(QStringLiteral("telo0"));
    imageList(player) = std::move(fresh);
    preview(player)->setToolTip(path);
    preview(player)->setPixmap(QPixmap::fromImage(body->picture()));
}

void Tmain::prev1Click(QLabel *sender)
{
    if (!executeDialog(this, open))
        return;
    const QString chosen = open.fileName;
    // A choice that cannot be loaded leaves the player's collection, path and preview as they
    // were, for either player.
    try {
        loadPreview(sender == prev1 ? 0 : 1, chosen);
    } catch (const std::exception &) {
        showMessage(QStringLiteral("Nastala vnútorná chyba pri čítaní súboru"));
    }
}

void Tmain::Menu1Popup()
{
    tit2->setText(prev1->toolTip());
}

void Tmain::Menu2Popup()
{
    tit1->setText(prev2->toolTip());
}

void Tmain::startEditor(const QString &collection)
{
    // The editor is an outside program: whether it starts is not our concern.
    QProcess::startDetached(programDir_ + QStringLiteral("pictorix.exe"), {collection});
}

void Tmain::Editovaaktulnu2Click()
{
    startEditor(prev1->toolTip());
}

void Tmain::Editovaaktulnu1Click()
{
    startEditor(prev2->toolTip());
}

void Tmain::Obnovi1Click()
{
    loadPreview(0, prev1->toolTip());
}

void Tmain::Obnovi2Click()
{
    loadPreview(1, prev2->toolTip());
}

void Tmain::sndbt1Click(QToolButton *sender)
{
    if (!executeDialog(this, Openwav))
        return;
    const QString chosen = Openwav.fileName;
    // The list keeps its sounds when the file cannot be read; the path changes only on success.
    (sender == sndbt1 ? state_.WaveList1 : state_.WaveList2).loadFromFile(chosen);
    sender->setToolTip(chosen);
}

void Tmain::sndClick()
{
    sndbt1->setEnabled(snd->isChecked());
    sndbt2->setEnabled(snd->isChecked());
}

void Tmain::showEnvironmentInfo()
{
    const EnvironmentInfo info = readEnvironmentInfo(Open1.fileName);
    prsname->setText(info.name);
    prsadd->setPlainText(info.lines.join(QLatin1Char('\n')));
}

void Tmain::Button4Click()
{
    // The dialog's answer is not needed: after a cancel the current file is read again.
    executeDialog(this, Open1);
    try {
        showEnvironmentInfo();
    } catch (const std::exception &) {
        // An unreadable choice shows the defaults; the match start reports it.
        const EnvironmentInfo info = defaultEnvironmentInfo(Open1.fileName);
        prsname->setText(info.name);
        prsadd->setPlainText(info.lines.join(QLatin1Char('\n')));
    }
}
