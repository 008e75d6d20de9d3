// Fills a .ts file made by lupdate with the tests' pseudo language: every translation is its source
// between "[ÅÇ" and "]", stretched by 40% with "~", as longer languages stretch a text. The source
// is kept whole, so "%1", "%n", "&" mnemonics and HTML tags work as in English.

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <cstdio>

namespace {

QString Unescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// The source as it stands escaped in the file, wrapped.
QString Pseudo(const QString& escapedSource)
{
    const qsizetype stretch = (Unescaped(escapedSource).size() * 4 + 9) / 10;
    return QStringLiteral("[ÅÇ") + escapedSource + QString(stretch, QLatin1Char('~')) + QLatin1Char(']');
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmoria-pseudo-translation FILE.ts\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    static const QRegularExpression message(QStringLiteral("<message( numerus=\"yes\")?>.*?</message>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression source(
        QStringLiteral("<source>(.*?)</source>"), QRegularExpression::DotMatchesEverythingOption);
    QString out;
    qsizetype done = 0;
    int filled = 0;
    for (const QRegularExpressionMatch& m : message.globalMatch(text)) {
        out += text.mid(done, m.capturedStart() - done);
        QString block = m.captured();
        const QString pseudo = Pseudo(source.match(block).captured(1));
        block.replace(QStringLiteral(" type=\"unfinished\""), QString());
        if (m.capturedLength(1) > 0)
            block.replace(QStringLiteral("<numerusform></numerusform>"),
                QStringLiteral("<numerusform>") + pseudo + QStringLiteral("</numerusform>"));
        else
            block.replace(QStringLiteral("<translation></translation>"),
                QStringLiteral("<translation>") + pseudo + QStringLiteral("</translation>"));
        out += block;
        done = m.capturedEnd();
        ++filled;
    }
    out += text.mid(done);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out.toUtf8()) < 0)
        return 1;
    std::printf("%d messages in the pseudo language\n", filled);
    return 0;
}
