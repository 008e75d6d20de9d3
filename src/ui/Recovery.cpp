#include "ui/Recovery.h"

#include "core/FileStamp.h"
#include "core/SafeSave.h"
#include "qtsupport/ModelText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ToLocal(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

QString LockOf(const QString& copy)
{
    return copy.left(copy.size() - RecoveryCopySuffix.size()) + QStringLiteral(".lock");
}

// Both are read only when the sizes agree: most copies differ from their file in length.
bool SameAsFile(const std::string& copy, std::string_view head, const std::string& fileName)
{
    const TFileStamp copyStamp = QuickStamp(copy);
    const TFileStamp fileStamp = QuickStamp(fileName);
    if (!copyStamp.Exists || !fileStamp.Exists || copyStamp.Size - RecoveryHeaderSize(head) != fileStamp.Size)
        return false;
    try {
        return RecoveryCopyMatches(ReadWholeFile(copy), ReadWholeFile(fileName));
    } catch (const std::exception&) {
        return false;
    }
}

std::int64_t ModifiedNs(const std::string& fileName)
{
    const TFileStamp stamp = QuickStamp(fileName);
    return stamp.Exists ? stamp.ModifiedNs : -1;
}

} // namespace

TRecoveryStore::TRecoveryStore(const QString& folder)
    : Folder_(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                + QStringLiteral("/recovery")
                               : folder)
{
    // The folders of the program's own name inside the user's data folder are checked too.
    const QString top = folder.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        : QString();
    const TSaying problem = PrepareRecoveryFolder(ToLocal(Folder_), ToLocal(top));
    if (!problem.Empty()) {
        SetProblem(SayingText(problem));
        return;
    }
    // The process id names the copy; the time keeps a later process with the same id apart.
    const QString id = QStringLiteral("%1/copy-%2-%3")
                           .arg(Folder_)
                           .arg(QCoreApplication::applicationPid())
                           .arg(QDateTime::currentMSecsSinceEpoch());
    OwnCopy_ = id + RecoveryCopySuffix;
    OwnLock_ = std::make_unique<QLockFile>(LockOf(OwnCopy_));
    OwnLock_->setStaleLockTime(0);
    Usable_ = OwnLock_->tryLock(0);
    if (!Usable_)
        SetProblem(tr("No lock file can be made in it."));
}

void TRecoveryStore::SetProblem(const QString& cause)
{
    Problem_ = tr("Crash protection is off: the recovery folder \"%1\" cannot be used. %2")
                   .arg(QDir::toNativeSeparators(Folder_), cause);
}

TRecoveryStore::~TRecoveryStore() = default;

std::vector<TOrphanCopy> TRecoveryStore::TakeOrphans(const std::optional<std::string>& fileName)
{
    std::vector<TOrphanCopy> orphans;
    if (!Usable_)
        return orphans;
    const QDir dir(Folder_);
    std::vector<std::pair<std::int64_t, TOrphanCopy>> found;
    for (const QString& name : dir.entryList({ QStringLiteral("*") + RecoveryCopySuffix }, QDir::Files)) {
        const QString path = dir.filePath(name);
        if (path == OwnCopy_)
            continue;
        // Only plain files of the user's own: never a link, nor what someone else put there.
        struct stat st { };
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)
            || st.st_uid != ::geteuid())
            continue;
        auto lock = std::make_shared<QLockFile>(LockOf(path));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            continue; // its copy still runs
        TOrphanCopy orphan { path, {}, lock };
        const std::string local = ToLocal(path);
        // The header alone: copies of other lists, and a copy that is not taken, are not read.
        std::string head;
        try {
            head = ReadFileStart(local, RecoveryHeaderLimit);
            orphan.Info = ReadRecoveryInfo(head);
        } catch (const std::exception&) {
            // Unreadable, or not a recovery copy at all: left alone.
            continue;
        }
        if (fileName && orphan.Info.FileName != *fileName)
            continue;
        if (!orphan.Info.FileName.empty() && !MayRecoverInto(orphan.Info.FileName))
            continue;
        // A save that finished just before the crash left a copy of what is in the file. A file
        // written since by anyone else is no reason to drop the changes: those are offered.
        if (!orphan.Info.FileName.empty() && SameAsFile(local, head, orphan.Info.FileName)) {
            Discard(orphan);
            continue;
        }
        found.emplace_back(ModifiedNs(local), std::move(orphan));
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (auto& entry : found)
        orphans.push_back(std::move(entry.second));
    // Temporary files of recovery copies whose writer was killed.
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (IsSaveTemporaryName(ToLocal(name)))
            RemoveStaleSaveFiles(
                ToLocal(dir.filePath(name.mid(1, name.indexOf(QStringLiteral(".velmoria-save-")) - 1))));
    }
    return orphans;
}

void TRecoveryStore::Discard(TOrphanCopy& orphan)
{
    QFile::remove(orphan.Path);
    if (orphan.Lock)
        orphan.Lock->unlock();
    orphan.Lock.reset();
}

bool TRecoveryStore::Adopt(TOrphanCopy& orphan)
{
    if (::rename(QFile::encodeName(orphan.Path).constData(), QFile::encodeName(OwnCopy_).constData()) != 0)
        return false;
    // A copy an earlier version made as the umask said.
    ::chmod(QFile::encodeName(OwnCopy_).constData(), 0600);
    if (orphan.Lock)
        orphan.Lock->unlock();
    orphan.Lock.reset();
    return true;
}
