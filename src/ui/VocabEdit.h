#pragma once
// An edit box for vocabulary text: it knows its language side (Tag -1 foreign, -2 native) and the
// code page of its language, refuses characters that code page cannot hold, and caps its text
// at what a file can store. A refusal beeps and says why in a tooltip at the box.

#include <QLineEdit>
#include <string>

class TVocabEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TVocabEdit(QWidget* parent = nullptr);
    // -1 foreign-language text, -2 native-language text (keyboard layout and symbol picker follow it).
    int Tag() const { return Tag_; }
    void SetTag(int tag) { Tag_ = tag; }
    int CodePage() const { return CodePage_; }
    // Changing the code page keeps the text only if it still fits.
    void SetCodePage(int codePage);
    // The text in the box's code page, and setting it from such bytes.
    std::string Bytes() const;
    void SetBytes(const std::string& bytes);
    // What the user is told when a character (or, when it is empty, more text) is refused.
    static QString RefusalText(const QString& character, int codePage);

signals:
    void Refused(const QString& message);

private:
    void TellRefusal();

    int Tag_ = 0;
    int CodePage_ = 1252;
    QString Refused_;
};
