#pragma once
// The font dialog: a face and a size, for the display font or the print font.

#include "settings/Settings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class TSelectFontDialog : public QDialog {
    Q_OBJECT
public:
    TSelectFontDialog(QWidget* parent, TFontSetting& font);

    QComboBox* cbFontName = nullptr;
    QComboBox* cbFontSize = nullptr;
    QLabel* pnlPreview = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

public slots:
    void FontChange();
    void btnOKClick();

private:
    TFontSetting& Font_;
};
