#pragma once
// The welcome dialog: create a new list, or open a recent one or any file.

#include "core/RecentFileList.h"

#include <QDialog>
#include <QString>

class QRadioButton;
class QListWidget;
class QPushButton;

struct TWelcomeData {
    const TRecentFileList* RecentFiles = nullptr;
    bool Open = true;
    std::string FileName; // the chosen recent file, or "" for "Browse..."
};

class TWelcomeDialog : public QDialog {
    Q_OBJECT
public:
    TWelcomeDialog(QWidget* parent, TWelcomeData& data);

    QRadioButton* rbNew = nullptr;
    QRadioButton* rbOpen = nullptr;
    QListWidget* lbFiles = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

public slots:
    void btnOKClick();

private:
    TWelcomeData& Data_;
};
