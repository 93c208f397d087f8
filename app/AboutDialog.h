#pragma once

#include <QDialog>

class QLabel;

// The credits window: the picture on black, centred on the screen each time it opens,
// closed by a click anywhere in it or by any key that types a character.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // Where a window of outer size `outer` goes to be centred on a screen of size
    // `screen`: half the difference, in single precision, rounded to whole pixels
    // and never clamped, so a window larger than the screen hangs over its edges.
    [[nodiscard]] static QPoint centredOrigin(QSize screen, QSize outer);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void centreOnScreen();
    void dismiss();

    QLabel *const m_picture;
};
