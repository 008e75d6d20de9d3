#pragma once
// The choices of a deck package import (shown with its preview) and export.

#include "deck/DeckImport.h"

#include <QDialog>

class QCheckBox;

class TDeckImportDialog : public QDialog {
    Q_OBJECT
public:
    // The options change only on OK.
    TDeckImportDialog(QWidget* parent, const TDeckPreview& preview, TDeckImportOptions& options);

    QCheckBox* chkNotes = nullptr;
    QCheckBox* chkTags = nullptr;
    QCheckBox* chkReviewLog = nullptr;

private:
    TDeckImportOptions& Options_;
};

class TDeckExportDialog : public QDialog {
    Q_OBJECT
public:
    TDeckExportDialog(QWidget* parent, TDeckExportOptions& options);

    QCheckBox* chkWordAsked = nullptr;
    QCheckBox* chkTranslationsAsked = nullptr;
    QCheckBox* chkReviewLog = nullptr;

private:
    TDeckExportOptions& Options_;
};
