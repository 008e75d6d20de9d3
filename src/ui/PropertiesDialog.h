#pragma once
// The properties dialog: facts about the file, its two languages and its three descriptions.
// Also asks for the languages of a list about to be created.

#include <QDialog>
#include <cstdint>
#include <string>

class QComboBox;
class TSymbolEdit;
class QTabWidget;
class QPushButton;
class QLabel;
class QCheckBox;

struct TPropertiesData {
    bool IsNew = false;
    std::string FileName;
    std::uint16_t ForeignLangID = 0;
    std::uint16_t NativeLangID = 0;
    // Native-language text in the native code page, as the document holds it.
    std::string Description, Author, Comments;
};

class TPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    TPropertiesDialog(QWidget* parent, TPropertiesData& data);

    QTabWidget* pcPages = nullptr;
    QComboBox* cbForeign = nullptr;
    QComboBox* cbNative = nullptr;
    TSymbolEdit* edtDescription = nullptr;
    TSymbolEdit* edtAuthor = nullptr;
    TSymbolEdit* edtComments = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblLocation = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblModified = nullptr;
    // The attributes a file has on this platform (no archive or system bits), shown disabled.
    QCheckBox* chbReadOnly = nullptr;
    QCheckBox* chbHidden = nullptr;
    QWidget* tsGeneral = nullptr;
    QWidget* tsSummary = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;

public slots:
    void btnOKClick();

private:
    void FillGeneral();
    void TurnPage(int step);

    TPropertiesData& Data_;
};
