#include "HistoryKeys.h"

#include <QKeyEvent>

QList<QKeySequence> undoKeys()
{
    return QKeySequence::keyBindings(QKeySequence::Undo);
}

QList<QKeySequence> redoKeys()
{
    // The desktop's own, and Ctrl+Y, which many users know from elsewhere.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y);
    if (!keys.contains(ctrlY))
        keys += ctrlY;
    return keys;
}

bool isHistoryKey(const QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *const key = static_cast<const QKeyEvent *>(event);
    const QKeySequence pressed(key->keyCombination());
    return undoKeys().contains(pressed) || redoKeys().contains(pressed);
}
