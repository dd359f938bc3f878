// "Štart" in the settings window: a failed start leaves the window as it was, a second start
// runs the match, the match view keeps its keys, and the end of the match restores the window.
#include "test_match_fixture.h"

#include "dialogs.h"
#include "gametimer.h"
#include "ini.h"
#include "keyboard.h"
#include "matchview.h"
#include "tmain.h"
#include "tplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>

using namespace matchfixture;

namespace {

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void sendKey(QWidget *target, QEvent::Type type, int key, bool autoRepeat = false)
{
    QKeyEvent e(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &e);
}

} // namespace

TEST(MatchWindow, FailedStartThenAMatchAndBackToSettings)
{
    MatchFolder files;
    files.writeAll();
    files.writeEnvironment("sound=arena.zks\n"); // no image collection: the start fails
    {
        IniFile ini(files.path("zarkul.ini"));
        writeSettings(ini, files.settings());
    }
    ScriptedDialogs answers;
    DialogsOverride installed(answers);
    GameState state;
    Tmain window(state, files.path("").endsWith('/') ? files.path("") : files.path("") + '/');
    window.setAttribute(Qt::WA_QuitOnClose, false);
    window.show();
    const QRect settingsBounds = window.geometry();

    window.Button1Click();
    EXPECT_EQ(answers.messages, QStringList({matchsetup::environmentFailed}));
    EXPECT_TRUE(window.Button1->isVisible());
    EXPECT_EQ(window.geometry(), settingsBounds);
    EXPECT_EQ(state.engine.spriteCount(), 0);

    files.writeEnvironment("source=arena.zki\nsound=arena.zks\n");
    answers.messages.clear();
    window.Button1Click(); // runs the countdown: about 3.1 s
    EXPECT_TRUE(answers.messages.isEmpty());
    ASSERT_NE(state.player1, nullptr);
    EXPECT_FALSE(window.Button1->isVisible());
    EXPECT_TRUE(window.output->isVisible());
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window.timer->isEnabled());

    // Keys reach the key table; auto-repeat and Tab do nothing else.
    sendKey(window.output, QEvent::KeyPress, Qt::Key_Up);
    sendKey(window.output, QEvent::KeyPress, Qt::Key_Tab);
    EXPECT_TRUE(state.keyTable.isHeld(Qt::Key_Up));
    EXPECT_TRUE(state.keyTable.isHeld(Qt::Key_Tab));
    sendKey(window.output, QEvent::KeyRelease, Qt::Key_Up, true); // auto-repeat release
    EXPECT_TRUE(state.keyTable.isHeld(Qt::Key_Up));
    sendKey(window.output, QEvent::KeyPress, Qt::Key_Escape); // no key ends the match
    settle(200);
    EXPECT_NE(state.player1, nullptr);
    EXPECT_GT(state.totalTime, 3000); // the first tick covered the countdown
    EXPECT_LT(state.player1->angle, 1);

    state.matchOver = true; // a death: the next tick ends the match
    settle(1600);
    EXPECT_EQ(state.player1, nullptr);
    EXPECT_EQ(state.engine.spriteCount(), 0);
    EXPECT_TRUE(window.Button1->isVisible());
    EXPECT_FALSE(window.output->isVisible());
    EXPECT_FALSE(window.timer->isEnabled());
    EXPECT_FALSE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window.size(), settingsBounds.size());
    window.close();
}

TEST(MatchView, KeysIntoTheTable)
{
    KeyTable keys;
    MatchView view(keys);
    struct Case
    {
        int sent;
        int held;
    };
    for (const Case c : {Case{Qt::Key_Enter, Qt::Key_Return}, Case{Qt::Key_Backtab, Qt::Key_Tab},
                         Case{Qt::Key_Shift, Qt::Key_Shift}, Case{Qt::Key_W, Qt::Key_W}}) {
        sendKey(&view, QEvent::KeyPress, c.sent);
        EXPECT_TRUE(keys.isHeld(c.held)) << c.sent;
        sendKey(&view, QEvent::KeyPress, c.sent, true);
        sendKey(&view, QEvent::KeyRelease, c.sent);
        EXPECT_FALSE(keys.isHeld(c.held)) << c.sent;
    }
}

TEST(GameTimer, LagCountAndInactiveTime)
{
    GameTimer timer;
    timer.setApplicationActive(true);
    timer.setEnabled(true);
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30) {
    }
    EXPECT_GE(timer.takeLag(), 30);
    EXPECT_GE(timer.takeLag(), 1); // never 0

    QList<int> lags;
    QObject::connect(&timer, &GameTimer::timer, [&lags](int lag) { lags << lag; });
    timer.setApplicationActive(false);
    settle(400);
    EXPECT_TRUE(lags.isEmpty()); // no ticks while inactive
    timer.setApplicationActive(true);
    settle(150);
    ASSERT_FALSE(lags.isEmpty());
    EXPECT_LT(lags.first(), 300); // the time base restarted on return: inactive time is lost

    timer.setHeld(true);
    lags.clear();
    settle(60);
    EXPECT_TRUE(lags.isEmpty());
    timer.setHeld(false);
    settle(40);
    ASSERT_FALSE(lags.isEmpty());
    EXPECT_GE(lags.first(), 60); // held time counts for the next tick
}
