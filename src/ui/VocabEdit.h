#pragma once
// An edit box for vocabulary text: it knows its language side (Tag -1 foreign, -2 native) and the
// code page of its language, refuses characters that code page cannot hold, and caps its text
// at what a file can store.

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

private:
    int Tag_ = 0;
    int CodePage_ = 1252;
};
