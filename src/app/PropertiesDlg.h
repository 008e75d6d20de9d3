#pragma once
// The properties dialog: facts about the file, its two languages and its three descriptions.
// Also asks for the languages of a list about to be created.

#include <QDialog>
#include <cstdint>
#include <string>

class QComboBox;
class QLineEdit;
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
    QLineEdit* edtDescription = nullptr;
    QLineEdit* edtAuthor = nullptr;
    QLineEdit* edtComments = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblLocation = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblModified = nullptr;
    QCheckBox* chbReadOnly = nullptr;
    // No such attributes here: shown disabled and unchecked, except Hidden for a dot file.
    QCheckBox* chbArchive = nullptr;
    QCheckBox* chbSystem = nullptr;
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

    TPropertiesData& Data_;
};
