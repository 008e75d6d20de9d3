#include "ui/VocabEdit.h"

#include "core/VocabFile.h"
#include "ui/QtText.h"

#include <QValidator>

namespace {
// Refuses any edit whose result the box's code page cannot hold or a file cannot store. A paste
// with one unfit character is refused whole: dropping characters silently would store a text
// other than the one the user pasted.
class TCodePageValidator : public QValidator {
public:
    explicit TCodePageValidator(TVocabEdit* edit)
        : QValidator(edit)
        , Edit_(edit)
    {
    }

    State validate(QString& input, int&) const override
    {
        bool lost = false;
        const std::string bytes = FromQString(input, Edit_->CodePage(), &lost);
        return !lost && bytes.size() <= MaxTextLength ? Acceptable : Invalid;
    }

private:
    const TVocabEdit* Edit_;
};
} // namespace

TVocabEdit::TVocabEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // The code pages are single-byte, so characters count as bytes; the validator checks bytes.
    setMaxLength(static_cast<int>(MaxTextLength));
    setValidator(new TCodePageValidator(this));
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
