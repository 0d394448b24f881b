#pragma once

#include <detaildialog.h>

#include <QTabWidget>

// A small form built by a test, with the signals the extension template
// connects, so that the framework can be seen at work on it.
class TestForm : public DetailDialog
{
    Q_OBJECT

public:
    TestForm(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
        : DetailDialog(parent, name, modal, flags)
    {
        tabs = new QTabWidget(this);
        tabs->setObjectName(QStringLiteral("tabs"));
        tabs->setGeometry(0, 0, 400, 300);
        page = new QWidget(tabs);
        page->setObjectName(QStringLiteral("page"));
        tabs->addTab(page, QStringLiteral("PAGE"));
    }

    // What connectMemAPI() asks for, set by the test before attaching.
    QStringList notifierAddresses;
    int connectCalls = 0;

    QTabWidget *tabs;
    QWidget *page;

public slots:
    void connectMemAPI() override
    {
        if (!memAPI())
            return;
        ++connectCalls;
        for (const QString &address : notifierAddresses)
            emit signalRegisterNotifier(address, false);
        emit signalInitialise();
    }

signals:
    void signalRegisterNotifier(QString address, bool bCanFlush);
    void signalInitialise();
    void signalUpdateTabs();
};
