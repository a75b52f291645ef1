// The about box: the program's name and version, credits and contact details.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;

namespace movra {

// Modeless and without an owner; it deletes itself when closed.
class FrmVersion : public QWidget {
    Q_OBJECT

public:
    FrmVersion();

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

}  // namespace movra
