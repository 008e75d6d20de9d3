#pragma once
// Where the program's own data files (sounds, tips, help) are found: beside the executable, as in
// the build tree, or in the installed data folder.

#include <QString>

// The folder holding the data files, with a trailing separator: the executable's folder when the
// file `probe` is there, else the installed data folder when it is there, else the executable's.
QString DataFolder(const QString& probe = QStringLiteral("Clap.wav"));

// The full path of a data file by the same rule.
QString DataFilePath(const QString& name);

// The file beside it in the window's language ("velmoria_de.qch" for "velmoria.qch" under German)
// where there is one, else the file itself.
QString LocalisedPath(const QString& path);
