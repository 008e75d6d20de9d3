#pragma once
// The font dialog: a face and a size, for the display font or the print font.

#include "settings/Settings.h"

#include <QDialog>
#include <QStringList>
#include <functional>

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

// "Nimbus Sans [URW ]" as "Nimbus Sans": the foundry only tells duplicates of a family apart.
QString FamilyWithoutFoundry(const QString& family);
// The faces offered: each family once, without its foundry, sorted, only those isTextFace keeps.
QStringList FaceNames(const QStringList& families, const std::function<bool(const QString&)>& isTextFace);
// The first candidate that is one of the faces (in any letter case), else the first face.
QString ChooseFace(const QStringList& faces, const QStringList& candidates);
// The face to select for a font setting: its own, or what the platform draws for it, or the
// desktop's font, so the dialog always opens on a face that is installed.
QString InstalledFace(const QString& name, const QStringList& faces);
