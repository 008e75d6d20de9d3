#pragma once
// The tip of the day: one tip from the tip file at a time, with the help topic behind it.

#include "core/TipFile.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;

struct TTipsData {
    QString TipFileName;
    std::int32_t NextTip = 0;
    bool ShowTips = true;
};

class TTipsDialog : public QDialog {
    Q_OBJECT
public:
    TTipsDialog(QWidget* parent, TTipsData& data);

    // The help context of the tip shown; 0 when it has none or no tip could be read.
    int TipContext() const { return TipContext_; }
    int TipCount() const { return static_cast<int>(Tips_.size()); }

    QLabel* lblHeading = nullptr;
    QTextEdit* reTip = nullptr;
    QCheckBox* chbShowTips = nullptr;
    QPushButton* btnDetails = nullptr;
    QPushButton* btnNextTip = nullptr;
    QPushButton* btnClose = nullptr;

public slots:
    void btnNextTipClick();
    void btnDetailsClick();
    void done(int result) override;

private:
    TTipsData& Data_;
    std::vector<std::string> Tips_;
    int TipContext_ = 0;
};
