#include "ui/Accessible.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

void SetBuddy(QLabel* label, QWidget* buddy)
{
    label->setBuddy(buddy);
    if (qobject_cast<QAbstractItemView*>(buddy))
        buddy->setAccessibleName(QString(label->text()).remove(QLatin1Char('&')));
}

void NameToolBarExtension(QToolBar* bar)
{
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QCoreApplication::translate("TMainForm", "More commands"));
}
