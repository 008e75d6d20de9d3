#pragma once
// Long file work: the hourglass cursor, restored in every case, and a progress dialog when the
// work takes long enough to read it (core/ProgressTiming). The work runs on a worker thread while the window
// keeps painting but takes no input; what the work throws is thrown again here.
//
// Loads and saves get everything they need by value: the worker never sees a document the
// window can reach.

#include "core/VocabFile.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QWidget;

class TWaitCursor {
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// Other long work: on data the worker owns (an import into a document of its own), or reading
// the list's texts while the window takes no input (find, sort keys), so nothing changes them.
void RunLongTask(QWidget* parent, const QString& label, const std::function<void()>& work);

// Loads the file into a new document, handed over once the worker has finished with it; the
// stamp, when asked for, is of the bytes loaded.
std::unique_ptr<TVocabFile> LoadDocumentInBackground(
    QWidget* parent, const QString& label, const std::string& fileName, TFileStamp* stamp = nullptr);
// Writes a file image built beforehand on the main thread (SafeWriteFile).
void WriteFileInBackground(QWidget* parent, const QString& label, std::string fileName, std::string bytes);
