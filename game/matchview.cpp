#include "matchview.h"

#include "keyboard.h"

#include <QKeyEvent>
#include <QPainter>

MatchView::MatchView(KeyTable &keys, QWidget *parent) : QWidget(parent), keys_(keys)
{
    setObjectName(QStringLiteral("output"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MatchView::present()
{
    repaint();
}

int MatchView::tableKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Enter:
        return Qt::Key_Return;
    case Qt::Key_Backtab:
        return Qt::Key_Tab;
    default:
        return qtKey;
    }
}

bool MatchView::event(QEvent *event)
{
    // Tab and Shift+Tab are player 2's button 2: keep them from the focus chain.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            if (event->type() == QEvent::KeyPress)
                keyPressEvent(key);
            else
                keyReleaseEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void MatchView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (frame_ && !frame_->isNull()) {
        p.drawImage(0, 0, *frame_);
        // Whatever the frame does not cover (a window larger than the screen size) stays black.
        const QRect shown(QPoint(0, 0), frame_->size());
        if (!shown.contains(rect())) {
            p.fillRect(QRect(shown.width(), 0, width() - shown.width(), height()), Qt::black);
            p.fillRect(QRect(0, shown.height(), shown.width(), height() - shown.height()),
                       Qt::black);
        }
    } else {
        p.fillRect(rect(), Qt::black);
    }
}

void MatchView::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        keys_.press(tableKey(event->key()));
    event->accept();
}

void MatchView::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        keys_.release(tableKey(event->key()));
    event->accept();
}

void MatchView::focusOutEvent(QFocusEvent *event)
{
    // Releases that happen elsewhere never arrive here: forget every held key.
    keys_.releaseAll();
    QWidget::focusOutEvent(event);
}

bool MatchView::focusNextPrevChild(bool)
{
    return false;
}
