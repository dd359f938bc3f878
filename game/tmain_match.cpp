// Match start and end of the main window: the window's side of match setup and the game loop.
#include "dialogs.h"
#include "gameloop.h"
#include "gamestate.h"
#include "gametimer.h"
#include "matchsetup.h"
#include "matchview.h"
#include "tloadform.h"
#include "tmain.h"
#include "tskiledit.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QWindow>

namespace {

// Match mode and settings mode of the main window, and the waits, for setup and the loop.
class WindowHost : public QObject, public MatchHost
{
public:
    explicit WindowHost(Tmain &main) : QObject(&main), main_(main) {}

    void showProgress(const QString &text) override
    {
        if (main_.loadform)
            main_.loadform->showText(text);
    }
    void hideProgress() override
    {
        if (main_.loadform)
            main_.loadform->hide();
    }
    void wait(int milliseconds) override
    {
        // The thread waits; windows still get painted, but no input and no tick is handled.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < milliseconds) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            QThread::msleep(5);
        }
    }
    void failed(const QString &message) override { showMessage(message); }

    QImage grabScreen() override
    {
        if (main_.loadform)
            main_.loadform->hide();
        main_.hide();
        wait(100);
        QImage shot;
        if (QScreen *screen = QGuiApplication::primaryScreen())
            shot = screen->grabWindow(0).toImage();
        if (main_.loadform)
            main_.loadform->show();
        main_.show();
        return shot;
    }

    void enterMatchMode() override
    {
        for (QWidget *w :
             std::initializer_list<QWidget *>{main_.setup, main_.sysgroup, main_.Envgroup,
                                              main_.Button1, main_.Button2, main_.moz, main_.crt})
            w->hide();
        main_.hide();
        // Qt drops the frameless hint from a customised dialog: become a plain borderless window.
        settingsFlags_ = main_.windowFlags();
        main_.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        main_.setMinimumSize(0, 0);
        main_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        main_.setGeometry(screenRect());
        main_.output->setGeometry(QRect(QPoint(0, 0), screenRect().size()));
        main_.output->show();
        matchMode_ = true;
    }
    bool playsSound() const override { return true; }
    void startDrawing() override
    {
        // The arena covers the screen; loadform stays on top of it through the countdown.
        main_.showFullScreen();
        main_.output->setGeometry(main_.rect());
        drawing_ = true;
        main_.timer->setEnabled(true);
        if (!cursorHidden_) {
            QGuiApplication::setOverrideCursor(Qt::BlankCursor);
            cursorHidden_ = true;
        }
        keepProgressOnTop();
    }
    bool readyToDraw() const override { return drawing_ && main_.output->isVisible(); }
    void present() override { main_.output->present(); }
    int frameRate() const override { return main_.timer->frameRate(); }

    void stopTimer() override { main_.timer->setEnabled(false); }
    void leaveMatchMode() override
    {
        drawing_ = false;
        main_.timer->setEnabled(false);
        if (cursorHidden_) {
            QGuiApplication::restoreOverrideCursor();
            cursorHidden_ = false;
        }
        // Closing the window before any match ends here too: nothing to restore then.
        if (!matchMode_)
            return;
        matchMode_ = false;
        const GameState &gs = main_.state();
        main_.output->hide();
        main_.setWindowFlags(settingsFlags_);
        main_.showNormal();
        main_.setFixedSize(gs.savedWidth, gs.savedHeight);
        main_.move(gs.savedLeft, gs.savedTop);
        for (QWidget *w :
             std::initializer_list<QWidget *>{main_.setup, main_.sysgroup, main_.Envgroup,
                                              main_.Button1, main_.Button2, main_.crt})
            w->show();
        main_.moz->setVisible(main_.ski->isChecked());
        main_.skiledit1->getpoints();
        main_.skiledit2->getpoints();
        main_.show();
        main_.activateWindow();
    }

    // A full-screen window lies above every other one unless they belong to it: the progress
    // window becomes its transient so the countdown shows over the arena.
    void keepProgressOnTop()
    {
        Tloadform *form = main_.loadform;
        if (!form)
            return;
        form->hide();
        form->winId();
        if (form->windowHandle() && main_.windowHandle())
            form->windowHandle()->setTransientParent(main_.windowHandle());
        form->show();
        form->raise();
        form->activateWindow();
    }

    static QRect screenRect()
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    }

private:
    Tmain &main_;
    Qt::WindowFlags settingsFlags_;
    bool matchMode_ = false;
    bool drawing_ = false;
    bool cursorHidden_ = false;
};

} // namespace

void Tmain::makeMatchParts()
{
    if (matchHost_)
        return;
    output = new MatchView(state_.keyTable, this);
    output->setFrame(&state_.engine.surface());
    output->hide();
    timer = new GameTimer(this);
    connect(timer, &GameTimer::timer, this, [this](int lagCount) { timerTimer(lagCount); });
    matchHost_ = new WindowHost(*this);
}

void Tmain::Button1Click()
{
    makeMatchParts();
    state_.savedLeft = x();
    state_.savedTop = y();
    state_.savedWidth = width();
    state_.savedHeight = height();
    const QRect screen = WindowHost::screenRect();
    state_.screenWidth = screen.width();
    state_.screenHeight = screen.height();

    // Ticks wait for setup to return; the first one's lag count covers the countdown.
    struct Release
    {
        GameTimer *timer;
        ~Release() { timer->setHeld(false); }
    } release{timer};
    timer->setHeld(true);
    if (setupMatch(state_, currentSettings(), *matchHost_)) {
        activateWindow();
        raise();
        output->setFocus();
    }
}

void Tmain::timerTimer(int lagCount)
{
    tick(state_, *matchHost_, lagCount);
}

void Tmain::endMatch()
{
    makeMatchParts();
    ::endMatch(state_, *matchHost_);
}
