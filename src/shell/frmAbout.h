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
    // Shows a fresh About box over the owner, modal to the whole program, and returns at once
    // (whoever chose it, a screen reader included, is not kept waiting until it is closed); the
    // box is destroyed as it closes.
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

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPoint m_screenCentre;
};
