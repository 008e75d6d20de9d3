#pragma once
// The recovery copies of the running copies of the program, in the user's data folder. Each copy
// holds a lock of its own there for as long as it runs, so a copy whose lock can be taken
// belongs to a process that ended without closing normally: an orphan, offered for recovery.

#include "core/RecoveryCopy.h"

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLockFile;

struct TOrphanCopy {
    QString Path;
    TRecoveryInfo Info;
    // Held while the orphan is decided on, so no other copy offers it meanwhile.
    std::shared_ptr<QLockFile> Lock;
};

class TRecoveryStore {
    Q_DECLARE_TR_FUNCTIONS(TRecoveryStore)

public:
    // An empty folder is the user's data folder's "recovery".
    explicit TRecoveryStore(const QString& folder = QString());
    ~TRecoveryStore();
    TRecoveryStore(const TRecoveryStore&) = delete;
    TRecoveryStore& operator=(const TRecoveryStore&) = delete;

    // False when the folder cannot be trusted or the lock could not be made: then nothing is kept
    // and nothing is read from the folder.
    bool Usable() const { return Usable_; }
    // Why it is not usable, for the user; empty when it is.
    const QString& Problem() const { return Problem_; }
    const QString& Folder() const { return Folder_; }
    // This copy's recovery copy (written by the window, through the background writer).
    const QString& OwnCopy() const { return OwnCopy_; }

    // Orphans that hold changes, newest first: all of them, or those of one file. Orphans equal to
    // their list's file were overtaken by a save and are removed; copies that are not the user's
    // own, and copies of files the user may not write, are not offered.
    std::vector<TOrphanCopy> TakeOrphans(const std::optional<std::string>& fileName);
    // Removes the orphan and its lock.
    void Discard(TOrphanCopy& orphan);
    // Makes the orphan this copy's own recovery copy; false when it could not be moved.
    bool Adopt(TOrphanCopy& orphan);

private:
    void SetProblem(const QString& cause);

    QString Folder_;
    QString OwnCopy_;
    QString Problem_;
    std::unique_ptr<QLockFile> OwnLock_;
    bool Usable_ = false;
};

inline const QString RecoveryCopySuffix = QStringLiteral(".recovery");
