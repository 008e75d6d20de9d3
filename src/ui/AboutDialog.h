#pragma once
// The about box: the program's name, version and copyright, its home page and mail address.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

class TAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit TAboutDialog(QWidget* parent);

    QLabel* imgIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblHomePage = nullptr;
    QLabel* lblMail = nullptr;
    QLabel* lblComments = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnDonate = nullptr;

public slots:
    void lblHomePageClick();
    void lblMailClick();
    void btnDonateClick();
};
