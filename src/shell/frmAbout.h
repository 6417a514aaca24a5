#pragma once

#include <QDialog>

class MouseLabel;
class QFrame;
class QLabel;
class QPushButton;

// The About box: the program's name and version, what it is, and two links to the maker.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Shows a fresh About box modally over the owner and returns when it is closed.
    static void showModal(QWidget* owner);

    explicit frmAbout(QWidget* owner);

    QLabel* Picture1;
    QLabel* Label2;
    QLabel* Label1;
    MouseLabel* lblHomePage;
    QLabel* Label3;
    MouseLabel* lblCoBrand;
    QFrame* Line1;
    QPushButton* cmdOK;
};
