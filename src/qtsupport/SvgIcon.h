#pragma once
// Icons drawn from SVG files, read only when first drawn. Qt's own engine reads each file once to
// check it as the icon is made and again to draw it: a tool bar full of icons paid for every file
// twice before the window's first picture.

#include <QIcon>
#include <QString>

// An icon of the SVG file (a resource path or a file name); a file that cannot be read draws
// nothing.
QIcon SvgIcon(const QString& fileName);
