#include "widgets/copy_shortcut_hand_over.hpp"

#include <QAction>
#include <QFocusEvent>
#include <QWidget>

namespace zelkor {

CopyShortcutHandOver::CopyShortcutHandOver(QAction& copy) : QObject(&copy), copy_(copy), shortcut_(copy.shortcut()) {}

void CopyShortcutHandOver::join(QWidget& field) { field.installEventFilter(this); }

void CopyShortcutHandOver::Necopiruj() { copy_.setShortcut(QKeySequence()); }

void CopyShortcutHandOver::Copiruj() { copy_.setShortcut(shortcut_); }

bool CopyShortcutHandOver::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::MouseButtonPress: Necopiruj(); break;
        case QEvent::FocusOut: {
            // A menu or another window opening leaves the user in the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
                reason != Qt::ActiveWindowFocusReason)
                Copiruj();
            break;
        }
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zelkor
