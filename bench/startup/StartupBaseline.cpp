// The least a Qt program does to show a list: a window with a table of 68 rows and four columns,
// as many as the example list, filled before it is shown. The start-up figure of the program is
// taken against this one's, on the same machine in the same run.

#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QTableWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* table = new QTableWidget(68, 4, &window);
    table->setHorizontalHeaderLabels({ QStringLiteral("Foreign"), QStringLiteral("Grammar"),
        QStringLiteral("Notes"), QStringLiteral("Native") });
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            table->setItem(
                row, column, new QTableWidgetItem(QStringLiteral("word %1.%2").arg(row).arg(column)));
    table->horizontalHeader()->setStretchLastSection(true);
    window.setCentralWidget(table);
    window.resize(640, 480);
    window.show();
    return app.exec();
}
