#pragma once
// The sort dialog: which field to sort by.

#include <QDialog>
#include <array>

class QRadioButton;

class TSortDialog : public QDialog {
    Q_OBJECT
public:
    TSortDialog(QWidget* parent, int field);
    // The field of the chosen radio button (0..3).
    int Field() const { return Field_; }

    std::array<QRadioButton*, 4> rbField {};

private:
    int Field_ = 0;
};
