#include "ui/RecoveryFeature.h"

#include "core/BackgroundWriter.h"
#include "core/DisplayText.h"
#include "core/SafeSave.h"
#include "qtsupport/MessageBox.h"
#include "qtsupport/ModelText.h"
#include "ui/FileCommands.h"
#include "ui/LongTask.h"
#include "ui/MainWindow.h"
#include "ui/Recovery.h"
#include "ui/VocabGrid.h"
#include "ui/VocabGridModel.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QStatusBar>
#include <QTimer>

namespace {

QString FromLocal(const std::string& name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}
std::string ToLocal(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

// A moment for the other program to finish writing before the file is looked at.
constexpr int DiskCheckDelayMs = 250;

} // namespace

TRecoveryFeature::TRecoveryFeature(TMainForm& form)
    : Form_(form)
    , Session_(form.Session())
{
    Clock_.start();
    Store_ = std::make_unique<TRecoveryStore>();
    // The copies hold the user's lists: for the user's eyes only, whatever the umask.
    Writer_ = std::make_unique<TBackgroundWriter>(true);
    timRecovery_ = new QTimer(this);
    timRecovery_->setObjectName(QStringLiteral("timRecovery"));
    timRecovery_->setSingleShot(true);
    connect(timRecovery_, &QTimer::timeout, this, &TRecoveryFeature::WriteCopy);

    DiskWatcher_ = new QFileSystemWatcher(this);
    timDiskCheck_ = new QTimer(this);
    timDiskCheck_->setSingleShot(true);
    timDiskCheck_->setInterval(DiskCheckDelayMs);
    connect(timDiskCheck_, &QTimer::timeout, this, &TRecoveryFeature::CheckDiskFile);
    connect(DiskWatcher_, &QFileSystemWatcher::fileChanged, timDiskCheck_, qOverload<>(&QTimer::start));
    connect(DiskWatcher_, &QFileSystemWatcher::directoryChanged, timDiskCheck_, qOverload<>(&QTimer::start));
    Changes_ = std::make_unique<TSubscription>(
        Session_.Changes(), mcList | mcFileName | mcMode, [this](std::uint32_t) { FollowDocument(); });
}

TRecoveryFeature::~TRecoveryFeature() = default;

void TRecoveryFeature::FollowDocument()
{
    const TVocabFile& document = Session_.Document();
    if (document.FileName() != StampedName_)
        SetDiskStamp(document.FileName(), {});
    if (!Store_->Usable())
        return;
    const TSaying error = Writer_->TakeError();
    if (!error.Empty())
        Form_.statusBar()->showMessage(
            tr("The recovery copy could not be written. %1").arg(SayingText(error)));
    if (Form_.WindowMode() == wmNone || !document.Modified()) {
        RemoveCopy();
        return;
    }
    if (document.Revision() == SeenRevision_)
        return;
    SeenRevision_ = document.Revision();
    const std::int64_t now = Clock_.elapsed();
    LastChangeMs_ = now;
    if (FirstChangeMs_ < 0)
        FirstChangeMs_ = now;
    timRecovery_->start(static_cast<int>(RecoveryDelayMs(now, FirstChangeMs_, LastChangeMs_, LastCopyMs_)));
}

void TRecoveryFeature::WriteCopy()
{
    const TVocabFile& document = Session_.Document();
    if (!Store_->Usable() || Form_.WindowMode() == wmNone || !document.Modified()
        || document.Revision() == CopiedRevision_)
        return;
    // The image is made here, where nothing changes the document meanwhile; only the writing
    // goes to the worker.
    std::string image;
    try {
        image = BuildRecoveryImage(document, { document.FileName(), DiskStamp_, document.CurrentIndex() });
    } catch (const std::exception&) {
        return; // a text no file can hold; Save says so
    }
    LastCopyMs_ = Clock_.elapsed();
    FirstChangeMs_ = -1;
    CopiedRevision_ = document.Revision();
    Writer_->Write(ToLocal(Store_->OwnCopy()), std::move(image));
    OwnCopyWritten_ = true;
    // Copies of this list that the user chose to keep are overtaken by this one once it is written.
    for (auto it = DeclinedOrphans_.begin(); it != DeclinedOrphans_.end();) {
        if (it->Info.FileName == document.FileName()) {
            Writer_->Remove(ToLocal(it->Path));
            SpentLocks_.push_back(it->Lock);
            it = DeclinedOrphans_.erase(it);
        } else {
            ++it;
        }
    }
}

void TRecoveryFeature::Flush()
{
    if (timRecovery_->isActive()) {
        timRecovery_->stop();
        WriteCopy();
    }
    Writer_->Wait();
}

void TRecoveryFeature::RemoveCopy()
{
    timRecovery_->stop();
    FirstChangeMs_ = -1;
    CopiedRevision_ = 0;
    SeenRevision_ = 0;
    if (OwnCopyWritten_) {
        Writer_->Remove(ToLocal(Store_->OwnCopy()));
        OwnCopyWritten_ = false;
    }
}

void TRecoveryFeature::End()
{
    RemoveCopy();
    Writer_->Wait();
}

void TRecoveryFeature::KeepForNextStart()
{
    // The changes of the last moments are not left to wait for a pause that will not come.
    timRecovery_->stop();
    if (Store_->Usable() && Form_.WindowMode() != wmNone && Session_.Document().Modified())
        WriteCopy();
    else
        RemoveCopy();
    Writer_->Wait();
}

bool TRecoveryFeature::Offer(const std::optional<std::string>& fileName)
{
    if (NoRecovery_)
        return false;
    // Once per session: the user must know that a crash now loses the changes.
    if (!Store_->Usable() && !ToldRecoveryProblem_) {
        ToldRecoveryProblem_ = true;
        ShowMessageBox(Store_->Problem(), QString(), QMessageBox::Ok, QMessageBox::Warning);
    }
    std::vector<TOrphanCopy> orphans = Store_->TakeOrphans(fileName);
    for (auto& orphan : orphans) {
        const QString question = tr("Velmoria did not close normally. Recover the unsaved changes to %1?")
                                     .arg(ListTitle(orphan.Info.FileName));
        switch (ShowMessageBox(question, QString(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Discard,
            QMessageBox::Question, QMessageBox::Yes)) {
        case QMessageBox::Yes:
            // One list at a time: the other orphans wait for their own list or the next start.
            if (Recover(orphan))
                return true;
            break;
        case QMessageBox::Discard:
            Store_->Discard(orphan);
            break;
        default:
            DeclinedOrphans_.push_back(std::move(orphan));
            break;
        }
    }
    return false;
}

bool TRecoveryFeature::Recover(TOrphanCopy& orphan)
{
    auto document = std::make_unique<TVocabFile>();
    TRecoveryInfo info;
    try {
        TVocabFile* loading = document.get();
        const std::string path = ToLocal(orphan.Path);
        RunLongTask(&Form_, tr("Opening %1...").arg(ListTitle(orphan.Info.FileName)),
            [&info, loading, path] { info = LoadRecoveryImage(ReadWholeFile(path), *loading); });
    } catch (const std::exception& error) {
        ReportException(error);
        return false;
    }
    Form_.File().AdoptLanguages(document->ForeignLangID(), document->NativeLangID());
    Session_.ReplaceDocument(std::move(document));
    Form_.Grid()->Model()->Reset();
    SetDiskStamp(info.FileName, info.Disk);
    if (!info.FileName.empty())
        Form_.RecentFiles().Add(info.FileName);
    // The orphan becomes this copy's own, so the recovered changes stay safe from the first moment.
    RemoveCopy();
    Writer_->Wait();
    if (Store_->Adopt(orphan)) {
        OwnCopyWritten_ = true;
        SeenRevision_ = CopiedRevision_ = Session_.Document().Revision();
    }
    Form_.ScheduleUpdate();
    return true;
}

void TRecoveryFeature::SetDiskStamp(const std::string& fileName, const TFileStamp& stamp)
{
    StampedName_ = fileName;
    DiskStamp_ = stamp;
    ToldStamp_ = {};
    timDiskCheck_->stop();
    if (!DiskWatcher_->files().isEmpty())
        DiskWatcher_->removePaths(DiskWatcher_->files());
    if (!DiskWatcher_->directories().isEmpty())
        DiskWatcher_->removePaths(DiskWatcher_->directories());
    if (fileName.empty())
        return;
    // The file itself, and its folder: a program that saves by renaming a new file over the old
    // one, or deletes the file, is seen there.
    const QString target = FromLocal(ResolveLinks(fileName));
    if (QFileInfo::exists(target))
        DiskWatcher_->addPath(target);
    DiskWatcher_->addPath(QFileInfo(target).absolutePath());
}

void TRecoveryFeature::CheckDiskFile()
{
    if (Form_.WindowMode() == wmNone || StampedName_.empty() || !DiskStamp_.Exists
        || StampedName_ != Session_.Document().FileName())
        return;
    // Not in the middle of a dialog or of a load or save: a moment later.
    if (QApplication::activeModalWidget() || QApplication::overrideCursor()) {
        timDiskCheck_->start();
        return;
    }
    const std::string target = ResolveLinks(StampedName_);
    const QString watched = FromLocal(target);
    if (const TFileStamp quick = QuickStamp(target); quick.Exists) {
        if (!DiskWatcher_->files().contains(watched))
            DiskWatcher_->addPath(watched);
        if (quick.Size == DiskStamp_.Size && quick.ModifiedNs == DiskStamp_.ModifiedNs)
            return;
    }
    const TFileStamp now = StampFile(target);
    const TDiskChange change = DiskChange(DiskStamp_, now);
    if (change == dcNone) {
        // The same contents under a new time: so the quick look above holds next time.
        DiskStamp_.ModifiedNs = now.ModifiedNs;
        return;
    }
    // A deleted or moved file is told of at the next Save, which writes it again.
    if (change != dcChanged)
        return;
    if (ToldStamp_.Exists && DiskChange(ToldStamp_, now) == dcNone)
        return; // this version was told of already
    ToldStamp_ = now;
    const bool modified = Session_.Document().Modified();
    if (ShowMessageBox(tr("%1 has been changed by another program. Reload it?").arg(ListTitle(StampedName_)),
            QString(), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
            modified ? QMessageBox::No : QMessageBox::Yes)
        == QMessageBox::Yes)
        ReloadDocument();
}

void TRecoveryFeature::ReloadDocument()
{
    const std::string fileName = Session_.Document().FileName();
    TFileStamp stamp;
    std::unique_ptr<TVocabFile> document;
    try {
        document = LoadDocumentInBackground(
            &Form_, tr("Opening %1...").arg(ListTitle(fileName)), fileName, &stamp);
    } catch (const std::exception& error) {
        ReportException(error);
        return;
    }
    const std::int32_t index
        = ReloadedIndex(Session_.Document(), Session_.Document().CurrentIndex(), *document);
    const TSaying notice = document->LoadNotice();
    Form_.File().AdoptLanguages(document->ForeignLangID(), document->NativeLangID());
    Session_.ReplaceDocument(std::move(document));
    if (index >= 0)
        Session_.Document().SetCurrentIndex(index);
    SetDiskStamp(fileName, stamp);
    Form_.Grid()->Model()->Reset();
    // A test of the list as it was cannot go on with another list.
    Form_.SetWindowMode(wmEditing);
    if (!notice.Empty())
        ShowMessageBox(SayingText(notice), QString(), QMessageBox::Ok, QMessageBox::Information);
}

bool TRecoveryFeature::ConfirmDiskWrite(const std::string& fileName, std::optional<TFileIdentity>& expected)
{
    expected.reset();
    if (fileName != StampedName_)
        return true;
    TFileStamp now;
    TFileIdentity seen;
    const std::string target = ResolveLinks(fileName);
    // The file is identified before it is read: a change after this is caught by the save itself.
    RunLongTask(&Form_, tr("Saving %1...").arg(ListTitle(fileName)), [&now, &seen, target] {
        seen = IdentifyFile(target);
        now = StampFile(target);
    });
    // A file the window knew nothing of (a recovered copy may say it was not there) is another
    // program's all the same.
    switch (DiskStamp_.Exists ? DiskChange(DiskStamp_, now) : now.Exists ? dcChanged : dcNone) {
    case dcNone:
        break;
    case dcMissing:
        ShowMessageBox(
            tr("%1\nThis file has been deleted or moved by another program and will be saved again.")
                .arg(FromLocal(DisplayName(fileName))),
            QString(), QMessageBox::Ok, QMessageBox::Information);
        break;
    case dcChanged:
        if (!ConfirmOverwrite())
            return false;
        break;
    }
    expected = seen;
    return true;
}

bool TRecoveryFeature::ConfirmOverwrite()
{
    return ShowMessageBox(tr("Overwrite the changes made by another program?"), QString(),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning, QMessageBox::No)
        == QMessageBox::Yes;
}
