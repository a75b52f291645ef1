// FrmVersion's window in Qt: the about box, placed and painted from its design.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace movra::qt {

// Modeless and without an owner; it deletes itself when closed.
class AboutWindow : public QWidget {
    Q_OBJECT

public:
    AboutWindow();

    // The controls, named as in the window's design.
    QLabel* const Image1;
    QLabel* const Label1;
    QLabel* const Label2;
    QLabel* const Label3;
    QLabel* const Label4;
    QLabel* const Label5;
    QFrame* const Line1;
    QPushButton* const Command1;
};

}  // namespace movra::qt
