#pragma once
// The welcome dialog: create a new list, or open a recent one or any file.

#include "core/RecentFileList.h"
#include "ui/DueCounter.h"

#include <QDialog>
#include <QString>
#include <vector>

class QRadioButton;
class QListWidget;
class QPushButton;

struct TWelcomeData {
    const TRecentFileList* RecentFiles = nullptr;
    bool Open = true;
    std::string FileName; // the chosen recent file, or "" for "Browse..."
    // What the due counts beside the recent lists ask; none shown without it.
    std::optional<TDueQuestion> Due;
};

// Lists up to this size show their due count: reading a larger one is no longer cheap.
inline constexpr std::int64_t WelcomeDueCountLimit = 4 * 1024 * 1024;

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

    // The counters of the recent lists' due counts, in list order (null: not counted).
    const std::vector<TDueCounter*>& DueCounters() const { return DueCounters_; }

public slots:
    void btnOKClick();

private:
    TWelcomeData& Data_;
    std::vector<TDueCounter*> DueCounters_;
};
