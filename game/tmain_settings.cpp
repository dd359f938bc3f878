// The settings window's start-up and close: reading and writing zarkul.ini.
#include "tmain.h"

#include "gamestate.h"
#include "ini.h"
#include "tloadform.h"
#include "tskiledit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

void Tmain::FormCreate()
{
    open.initialDir = programDir_;
    Open1.initialDir = programDir_;
    Openwav.initialDir = programDir_;
    state_.defaultStats = Tstats{100, 100, 0, 1.0};
    skiledit1->name->setText(QStringLiteral("Hráč 1"));
    skiledit2->name->setText(QStringLiteral("Hráč 2"));
    state_.timeDivisor = 1;

    // A collection that cannot be opened stops the start-up here; the window still opens with
    // what was applied so far.
    if (!guarded([this] { loadSettingsFile(); }))
        return;
    if (!QFileInfo(Open1.fileName).isFile())
        Button4Click();
    try {
        showEnvironmentInfo();
    } catch (const std::exception &) {
        showMessage(QStringLiteral("Uložené dáta sú neprístupné alebo neexistujú."));
    }
}

void Tmain::loadSettingsFile()
{
    const QString path = settingsPath(programDir_);
    if (!QFileInfo::exists(path)) {
        const Settings s = firstRunSettings(programDir_);
        sndbt1->setToolTip(s.players[0].sound);
        sndbt2->setToolTip(s.players[1].sound);
        Open1.fileName = s.env;
        state_.WaveList1.loadFromFile(s.players[0].sound);
        state_.WaveList2.loadFromFile(s.players[1].sound);
        loadPreview(0, s.players[0].image);
        loadPreview(1, s.players[1].image);
        for (int i = 0; i < 2; ++i) {
            QComboBox *lists[3] = {i == 0 ? zbran11 : zbran21, i == 0 ? zbran12 : zbran22,
                                   i == 0 ? zbran13 : zbran23};
            for (int w = 0; w < 3; ++w)
                selectWeapon(lists[w], s.players[i].weapons[w]);
        }
        skiClick();
        sndClick();
        skiledit1->setSkills(s.players[0].skills);
        skiledit2->setSkills(s.players[1].skills);
        return;
    }

    const Settings s = readSettings(IniFile(path));
    applyPlayerControls(0, s.players[0]);
    applyPlayerControls(1, s.players[1]);
    applyOptions(s.options);
    skiClick();
    sndClick();
    Open1.fileName = s.env;
    sndbt1->setToolTip(s.players[0].sound);
    sndbt2->setToolTip(s.players[1].sound);
    loadPreview(0, s.players[0].image);
    loadPreview(1, s.players[1].image);
    state_.WaveList1.loadFromFile(s.players[0].sound);
    state_.WaveList2.loadFromFile(s.players[1].sound);
}

void Tmain::applyPlayerControls(int player, const PlayerSettings &p)
{
    (player == 0 ? meno1 : meno2)->setText(p.name);
    QComboBox *lists[3] = {player == 0 ? zbran11 : zbran21, player == 0 ? zbran12 : zbran22,
                           player == 0 ? zbran13 : zbran23};
    for (int w = 0; w < 3; ++w)
        selectWeapon(lists[w], p.weapons[w]);
    (player == 0 ? skiledit1 : skiledit2)->setSkills(p.skills);
}

void Tmain::applyOptions(const Options &o)
{
    nam->setChecked(o.nam);
    dor->setChecked(o.dor);
    cur->setChecked(o.cur);
    fps->setChecked(o.fps);
    hlt->setChecked(o.hlt);
    krv->setChecked(o.krv);
    fly->setChecked(o.fly);
    exl->setChecked(o.exl);
    snd->setChecked(o.snd);
    plc->setChecked(o.plc);
    ski->setChecked(o.ski);
    dcr->setChecked(o.dcr);
    bul->setChecked(o.bul);
}

void Tmain::selectWeapon(QComboBox *list, const QString &text)
{
    // A text that is no entry (a hidden weapon typed earlier) leaves the list without selection.
    list->setCurrentIndex(list->findText(text, Qt::MatchFixedString));
}

Settings Tmain::currentSettings() const
{
    Settings s;
    const QLineEdit *names[2] = {meno1, meno2};
    const QComboBox *lists[2][3] = {{zbran11, zbran12, zbran13}, {zbran21, zbran22, zbran23}};
    const Tskiledit *frames[2] = {skiledit1, skiledit2};
    for (int i = 0; i < 2; ++i) {
        PlayerSettings &p = s.players[i];
        p.name = names[i]->text();
        for (int w = 0; w < 3; ++w)
            p.weapons[w] = lists[i][w]->currentText();
        p.image = preview(i)->toolTip();
        p.sound = (i == 0 ? sndbt1 : sndbt2)->toolTip();
        p.skills = frames[i]->skills();
    }
    Options &o = s.options;
    o.dor = dor->isChecked();
    o.ski = ski->isChecked();
    o.plc = plc->isChecked();
    o.fly = fly->isChecked();
    o.krv = krv->isChecked();
    o.exl = exl->isChecked();
    o.bul = bul->isChecked();
    o.cur = cur->isChecked();
    o.dcr = dcr->isChecked();
    o.nam = nam->isChecked();
    o.hlt = hlt->isChecked();
    o.fps = fps->isChecked();
    o.snd = snd->isChecked();
    s.env = Open1.fileName;
    return s;
}

void Tmain::FormClose()
{
    // The progress window goes away even when a write fails, so the program can still end.
    struct HideAtEnd
    {
        Tloadform *form;
        ~HideAtEnd()
        {
            if (form)
                form->hide();
        }
    } hideAtEnd{loadform};
    if (loadform)
        loadform->showText(QStringLiteral("Ukaladám nastavenia..."));
    {
        IniFile ini(settingsPath(programDir_));
        writeSettings(ini, currentSettings());
        if (loadform)
            loadform->showText(QStringLiteral("Prosím čakajte..."));
    }
    endMatch();
}
