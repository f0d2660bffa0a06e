#pragma once

#include <QKeySequence>
#include <QObject>

class QAction;
class QWidget;

namespace zelkor {

// Ctrl+C belongs to Edit > Copy (the grid selection) except while the user is
// in an input field: a field that is clicked or gets the focus takes the
// shortcut away from the menu (Necopiruj) and gives it back when it loses the
// focus (Copiruj). Input fields of every page join with join().
class CopyShortcutHandOver : public QObject {
    Q_OBJECT
public:
    explicit CopyShortcutHandOver(QAction& copy);

    void join(QWidget& field);

    void Necopiruj();
    void Copiruj();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction& copy_;
    QKeySequence shortcut_;
};

}  // namespace zelkor
