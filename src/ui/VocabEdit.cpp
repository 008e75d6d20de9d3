#include "ui/VocabEdit.h"

#include "core/VocabFile.h"
#include "evaluation/Languages.h"
#include "qtsupport/ModelText.h"
#include "ui/QtText.h"

#include <QApplication>
#include <QToolTip>
#include <QValidator>
#include <functional>

namespace {
// Refuses any edit whose result the box's code page cannot hold or a file cannot store. A paste
// with one unfit character is refused whole: dropping characters silently would store a text
// other than the one the user pasted.
class TCodePageValidator : public QValidator {
public:
    TCodePageValidator(QObject* parent, std::function<int()> codePage, std::function<void(QString)> refused)
        : QValidator(parent)
        , CodePage_(std::move(codePage))
        , Refused_(std::move(refused))
    {
    }

    State validate(QString& input, int&) const override
    {
        bool lost = false;
        const int codePage = CodePage_();
        const std::string bytes = FromQString(input, codePage, &lost);
        if (lost) {
            Refused_(FirstUnfit(input, codePage));
            return Invalid;
        }
        return bytes.size() <= MaxTextLength ? Acceptable : Invalid;
    }

private:
    static QString FirstUnfit(const QString& text, int codePage)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString character = text.mid(i, length);
            if (!FitsCodePage(character, codePage))
                return character;
            i += length - 1;
        }
        return QString();
    }

    std::function<int()> CodePage_;
    std::function<void(QString)> Refused_;
};
} // namespace

TVocabEdit::TVocabEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // The code pages are single-byte, so characters count as bytes; the validator checks bytes.
    setMaxLength(static_cast<int>(MaxTextLength));
    setValidator(new TCodePageValidator(
        this, [this] { return CodePage_; }, [this](QString character) { Refused_ = std::move(character); }));
    connect(this, &QLineEdit::inputRejected, this, &TVocabEdit::TellRefusal);
}

void TVocabEdit::SetCodePage(int codePage)
{
    CodePage_ = codePage;
    if (!FitsCodePage(text(), codePage))
        clear();
}

std::string TVocabEdit::Bytes() const
{
    return FromQString(text(), CodePage_);
}

void TVocabEdit::SetBytes(const std::string& bytes)
{
    setText(ToQString(bytes, CodePage_));
}

QString TVocabEdit::RefusalText(const QString& character, int codePage)
{
    if (character.isEmpty())
        return tr("The text cannot be any longer.");
    return tr("\u201C%1\u201D cannot be written in this list's %2 script.")
        .arg(character, ModelText(std::string(CharsetScriptName(CodePageCharset(codePage))).c_str()));
}

void TVocabEdit::TellRefusal()
{
    // At once and at the box, so no one takes the refusal for a broken keyboard.
    const QString message = RefusalText(Refused_, CodePage_);
    Refused_.clear();
    QApplication::beep();
    QToolTip::showText(mapToGlobal(cursorRect().bottomLeft()), message, this, QRect(), 4000);
    emit Refused(message);
}
