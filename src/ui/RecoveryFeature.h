#pragma once
// Recovery copies (kept while a list has unsaved changes, offered after a crash) and the watch on
// the list's file for changes made by other programs. Every change the session tells of reaches
// the copies, however it was made.

#include "core/ChangeNotice.h"
#include "core/FileStamp.h"
#include "core/SafeSave.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QFileSystemWatcher;
class QLockFile;
class QTimer;
class TMainForm;
class TSession;
class TBackgroundWriter;
class TRecoveryStore;
struct TOrphanCopy;

class TRecoveryFeature : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TRecoveryFeature)

public:
    explicit TRecoveryFeature(TMainForm& form);
    ~TRecoveryFeature() override;

    // The recovery copies of this and of ended copies of the program.
    TRecoveryStore* Store() const { return Store_.get(); }
    // Writes the recovery copy now when one is waiting, and waits until it is on disk.
    void Flush();
    // Looks at the list's file at once, as the watcher does a moment after the file changes.
    void CheckDiskFile();
    // What the window knows of the list's file, as loaded or last saved.
    const TFileStamp& DiskStamp() const { return DiskStamp_; }
    // Started after each change; its interval is the time until the copy is due.
    QTimer* Timer() const { return timRecovery_; }

    // Whether orphans are offered at all (not when the program only prints or resets a list).
    void SetOffered(bool offered) { NoRecovery_ = !offered; }
    // At start-up (all files) and on opening a file (its own): offers the orphans, true when one
    // became the document.
    bool Offer(const std::optional<std::string>& fileName);
    void SetDiskStamp(const std::string& fileName, const TFileStamp& stamp);
    // Before a Save over the list's own file: false when the user keeps another program's version;
    // else expected is the file the save may replace (none when nothing is known of it).
    bool ConfirmDiskWrite(const std::string& fileName, std::optional<TFileIdentity>& expected);
    bool ConfirmOverwrite();
    // A normal close: nothing is left to recover.
    void End();
    // The program is ended from outside: the changes of the last moments go to the copy at once.
    void KeepForNextStart();

private:
    // The session told of a change.
    void FollowDocument();
    void WriteCopy();
    void RemoveCopy();
    bool Recover(TOrphanCopy& orphan);
    void ReloadDocument();

    TMainForm& Form_;
    TSession& Session_;
    std::unique_ptr<TRecoveryStore> Store_;
    std::unique_ptr<TBackgroundWriter> Writer_;
    QTimer* timRecovery_ = nullptr;
    // Orphans the user chose to keep: held until this list's next change overtakes them.
    std::vector<TOrphanCopy> DeclinedOrphans_;
    std::vector<std::shared_ptr<QLockFile>> SpentLocks_;
    QElapsedTimer Clock_;
    std::uint64_t SeenRevision_ = 0;
    std::uint64_t CopiedRevision_ = 0;
    std::int64_t FirstChangeMs_ = -1;
    std::int64_t LastChangeMs_ = -1;
    std::int64_t LastCopyMs_ = -1;
    bool OwnCopyWritten_ = false;
    bool NoRecovery_ = false;
    bool ToldRecoveryProblem_ = false;
    QFileSystemWatcher* DiskWatcher_ = nullptr;
    QTimer* timDiskCheck_ = nullptr;
    std::string StampedName_;
    TFileStamp DiskStamp_;
    TFileStamp ToldStamp_;
    std::unique_ptr<TSubscription> Changes_;
};
