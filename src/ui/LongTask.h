#pragma once
// Long file work: the hourglass cursor, restored in every case, and a progress dialog when the
// work takes more than about half a second. The work runs on a worker thread while the window
// keeps painting but takes no input; what the work throws is thrown again here.

#include <QString>
#include <functional>

class QWidget;

class TWaitCursor {
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// work must not touch widgets.
void RunLongTask(QWidget* parent, const QString& label, const std::function<void()>& work);
