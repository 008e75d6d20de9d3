#include "ScreenshotFiles.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

void SettleEvents()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void SavePicture(const QPixmap& picture, const QString& folder, const char* name)
{
    const QString path = folder + QLatin1Char('/') + QString::fromUtf8(name) + QStringLiteral(".png");
    if (!picture.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void SaveWidget(QWidget* widget, const QString& folder, const char* name)
{
    widget->show();
    SettleEvents();
    SavePicture(widget->grab(), folder, name);
}

void SaveOver(QWidget* under, QWidget* over, const QString& folder, const char* name, bool settle)
{
    over->show();
    if (settle)
        SettleEvents();
    // The one over may reach beyond the one under (a tool tip at the window's edge).
    const QRect area = under->geometry().united(over->geometry());
    QPixmap picture(area.size());
    picture.fill(under->palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(under->geometry().topLeft() - area.topLeft(), under->grab());
    painter.drawPixmap(over->geometry().topLeft() - area.topLeft(), over->grab());
    painter.end();
    SavePicture(picture, folder, name);
}
