#pragma once
// Icons drawn from SVG files, read only when first drawn. Qt's own engine reads each file once to
// check it as the icon is made and again to draw it: a tool bar full of icons paid for every file
// twice before the window's first picture.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// An icon of the SVG file (a resource path or a file name); a file that cannot be read draws
// nothing.
QIcon SvgIcon(const QString& fileName);

// The SVG file drawn into size keeping its shape, its ink lines light for a dark palette; a null
// image when the file cannot be read.
QImage RenderSvgIcon(const QString& fileName, const QSize& size, bool dark);

// The tool bar's icons (":/icons/NAME.svg") are also drawn at build time by RenderSvgIcon, at the
// sizes the bar shows them, as raw premultiplied pixels in ":/drawn/": drawing them at start-up
// took a twentieth of it. DrawnIconFile names one (empty for a file not among them); DrawnAtBuild
// reads it, a null pixmap where none was drawn.
QString DrawnIconFile(const QString& fileName, int size, bool dark);
QPixmap DrawnAtBuild(const QString& fileName, const QSize& size, bool dark);
