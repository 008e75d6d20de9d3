// velmoria-icon-pixels FOLDER SIZE... -- SVG...: each tool bar icon drawn as the window draws it,
// at each size, in the light and the dark ink, as raw premultiplied pixels named as the window
// looks them up (qtsupport/SvgIcon.h).

#include "qtsupport/SvgIcon.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    int fakeArgc = 3;
    char platform[] = "-platform";
    char offscreen[] = "offscreen";
    char* fakeArgv[] = { argv[0], platform, offscreen, nullptr };
    QGuiApplication app(fakeArgc, fakeArgv);
    int at = 2;
    std::vector<int> sizes;
    for (; at < argc && std::strcmp(argv[at], "--") != 0; ++at)
        sizes.push_back(std::atoi(argv[at]));
    if (argc < 2 || at >= argc || sizes.empty()) {
        std::fprintf(stderr, "usage: velmoria-icon-pixels FOLDER SIZE... -- SVG...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = at + 1; i < argc; ++i) {
        const QString svg = QString::fromLocal8Bit(argv[i]);
        // Named as the resource the window draws it from.
        const QString resource = QStringLiteral(":/icons/") + QFileInfo(svg).fileName();
        for (const int size : sizes)
            for (const bool dark : { false, true }) {
                const QImage drawn = RenderSvgIcon(svg, QSize(size, size), dark);
                QFile out(folder + QLatin1Char('/') + DrawnIconFile(resource, size, dark));
                if (drawn.size() != QSize(size, size) || !out.open(QIODevice::WriteOnly)
                    || out.write(reinterpret_cast<const char*>(drawn.constBits()), drawn.sizeInBytes())
                        != drawn.sizeInBytes()) {
                    std::fprintf(stderr, "velmoria-icon-pixels: cannot draw %s at %d\n", argv[i], size);
                    return 1;
                }
            }
    }
    return 0;
}
