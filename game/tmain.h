#pragma once

#include "dialogs.h"
#include "settingsfile.h"

#include <QWidget>

struct GameState;
class ImageList;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class Tloadform;
class GameTimer;
class MatchHost;
class MatchView;
class Tskiledit;

// The game's main window. Between matches it is the fixed-size settings window: names, weapons,
// collections, skills, options and the environment of the two players.
class Tmain : public QWidget
{
    Q_OBJECT
public:
    // The application title; the desktop caption is built from it.
    static const QString applicationTitle;
    // Height of the caption and borders that the form heights 469 and 260 include.
    static constexpr int nonClientHeight = 28;

    // Builds the controls and runs the start-up sequence. programDir ends with a separator.
    Tmain(GameState &state, const QString &programDir, QWidget *parent = nullptr);
    ~Tmain() override;

    GameState &state() { return state_; }
    const QString &programDir() const { return programDir_; }
    // The progress window, made after this one; the close sequence shows its texts in it.
    void setLoadform(Tloadform *form) { loadform = form; }
    // The window height as the form describes it, caption and borders included.
    int formHeight() const { return height() + nonClientHeight; }

    // What the controls show, as the settings file keeps it.
    Settings currentSettings() const;

    // Handlers.
    void FormCreate();
    void FormClose();
    void skiClick();
    void sndClick();
    void crtMouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift);
    void FormMouseWheelDown();
    void FormMouseWheelUp();
    void Button1Click(); // Štart
    void Button2Click(); // Zavrieť
    void Button4Click(); // Otvor prostredie
    void prev1Click(QLabel *sender);
    void sndbt1Click(QToolButton *sender);
    void Menu1Popup();
    void Menu2Popup();
    void Editovaaktulnu2Click();
    void Editovaaktulnu1Click();
    void Obnovi1Click();
    void Obnovi2Click();
    void endMatch();
    // The match timer's tick (tmain_match.cpp).
    void timerTimer(int lagCount);

    // Controls, under the names the rest of the game uses.
    QGroupBox *setup;
    QLineEdit *meno1, *meno2;
    QLabel *prev1, *prev2;
    QToolButton *sndbt1, *sndbt2;
    QComboBox *zbran11, *zbran12, *zbran13, *zbran21, *zbran22, *zbran23;
    QFrame *ciara;
    QGroupBox *Envgroup;
    QLabel *prsname;
    QPlainTextEdit *prsadd;
    QPushButton *Button4, *Button1, *Button2;
    QLabel *crt;
    QGroupBox *sysgroup;
    QCheckBox *dor, *ski, *plc, *fly, *krv, *exl, *bul, *cur, *dcr, *nam, *hlt, *fps, *snd;
    QGroupBox *moz;
    Tskiledit *skiledit1, *skiledit2;
    QFrame *Bevel1;
    QMenu *Menu1, *Menu2;
    QAction *tit2, *Vybrakolekciu2, *Editovaaktulnu2, *Obnovi1;
    QAction *tit1, *Vybrakolekciu1, *Editovaaktulnu1, *Obnovi2;
    FileDialog open, Open1, Openwav;
    Tloadform *loadform = nullptr;
    // The drawing surface of a match and its timer, made at the first "Štart".
    MatchView *output = nullptr;
    GameTimer *timer = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPlayers();
    void buildEnvironment();
    void buildOptions();
    void buildSkills();
    void buildMenus();
    QComboBox *weaponList(const char *objectName, int left, int top);
    QMenu *previewMenu(const char *menuName, const char *titleName, const char *chooseName,
                       const char *editName, const char *reloadName, QLabel *preview);

    void loadSettingsFile();
    void applyPlayerControls(int player, const PlayerSettings &p);
    void applyOptions(const Options &o);
    void selectWeapon(QComboBox *list, const QString &text);
    // Loads a player's image collection and shows its "telo0"; the list, the preview and the
    // tooltip change only when both succeed.
    void loadPreview(int player, const QString &path);
    void showEnvironmentInfo();
    void startEditor(const QString &collection);

    QLabel *preview(int player) const { return player == 0 ? prev1 : prev2; }
    ImageList &imageList(int player);

    // The window's side of match setup and the loop (tmain_match.cpp); a child object.
    MatchHost *matchHost_ = nullptr;
    void makeMatchParts();

    GameState &state_;
    QString programDir_;
};
