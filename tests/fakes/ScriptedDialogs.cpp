#include "fakes/ScriptedDialogs.h"

#include <QFileInfo>
#include <cstdio>

QMessageBox::StandardButton TScriptedMessageBoxes::Show(const TMessage& message)
{
    Shown_.push_back(message);
    if (Echo) {
        std::fprintf(stderr, "message: %s\n", message.Text.toUtf8().constData());
        std::fflush(stderr);
    }
    if (!Answers_.empty()) {
        const auto answer = Answers_.front();
        Answers_.pop_front();
        return answer;
    }
    if (message.Default != QMessageBox::NoButton)
        return message.Default;
    for (int bit = 0; bit < 32; ++bit) {
        const auto button = static_cast<QMessageBox::StandardButton>(1u << bit);
        if (message.Buttons.testFlag(button))
            return button;
    }
    return QMessageBox::Ok;
}

void TScriptedMessageBoxes::Clear()
{
    Answers_.clear();
    Shown_.clear();
}

std::optional<TChosenFile> TScriptedFileDialogs::ChooseOpen(QWidget*, const TFileDialogRequest& request)
{
    Requests_.push_back(request);
    if (Choices_.empty())
        return std::nullopt;
    const TQueuedChoice choice = Choices_.front();
    Choices_.pop_front();
    if (choice.Cancelled)
        return std::nullopt;
    TChosenFile file = choice.File;
    const QString suffix = SaveSuffix(request, file.FilterIndex);
    // The rule of QFileDialog: only a name without any dot gets the suffix.
    if (!suffix.isEmpty() && !QFileInfo(file.FileName).fileName().contains(QLatin1Char('.')))
        file.FileName += QLatin1Char('.') + suffix;
    return file;
}

std::optional<TChosenFile> TScriptedFileDialogs::ChooseSave(
    QWidget* parent, const TFileDialogRequest& request)
{
    return ChooseOpen(parent, request);
}

void TScriptedFileDialogs::QueueChoice(std::optional<TChosenFile> choice)
{
    Choices_.push_back({ !choice.has_value(), choice.value_or(TChosenFile {}) });
}

QStringList TScriptedFileDialogs::Asked() const
{
    QStringList titles;
    for (const auto& request : Requests_)
        titles.push_back(request.Title);
    return titles;
}

int TScriptedFileDialogs::LastFilterIndex() const
{
    return Requests_.empty() ? 0 : Requests_.back().FilterIndex;
}

void TScriptedFileDialogs::Clear()
{
    Choices_.clear();
    Requests_.clear();
}

void TScriptedDialogRunner::Set(std::function<int(QDialog&)> fill)
{
    Fill_ = std::move(fill);
    UseDialogRunner(Fill_ ? this : nullptr);
}

bool TScriptedPrintProgress::Step(double share)
{
    Steps.push_back(share);
    return CancelAt_ < 0 || static_cast<int>(Steps.size()) <= CancelAt_;
}

TScriptedMessageBoxes& ScriptedBoxes()
{
    static TScriptedMessageBoxes boxes;
    return boxes;
}

TScriptedFileDialogs& ScriptedFiles()
{
    static TScriptedFileDialogs files;
    return files;
}

TScriptedDialogRunner& ScriptedRunner()
{
    static TScriptedDialogRunner runner;
    return runner;
}

void UseScriptedDialogs()
{
    UseMessageBoxes(&ScriptedBoxes());
    UseFileDialogs(&ScriptedFiles());
}

void ClearScripted()
{
    ScriptedBoxes().Clear();
    ScriptedFiles().Clear();
    ScriptedRunner().Set(nullptr);
}
