#pragma once

#include <QWidget>

class KeyTable;

// The drawing surface of a match: shows the sprite world's back buffer and turns key presses
// and releases into the key table the keyboard readers sample. Auto-repeated presses are
// dropped; Tab and Shift+Tab stay here instead of moving the focus. No key does anything else:
// nothing pauses or ends a match. Wheel and mouse events go on to the window.
class MatchView : public QWidget
{
    Q_OBJECT
public:
    MatchView(KeyTable &keys, QWidget *parent = nullptr);

    // The picture to show (the back buffer); null shows black.
    void setFrame(const QImage *frame) { frame_ = frame; }
    // Shows the current frame at once.
    void present();

    // The key the table holds for a key event's key: keypad Enter counts as Return and
    // Shift+Tab (Backtab) as Tab.
    static int tableKey(int qtKey);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    KeyTable &keys_;
    const QImage *frame_ = nullptr;
};
