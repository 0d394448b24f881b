#pragma once

#include <QObject>
#include <QStringList>

// Records, in order, the signals a dialog sends its helpers.
class SignalLog : public QObject
{
    Q_OBJECT

public:
    // Listens to whichever of the helpers' signals the dialog declares.
    explicit SignalLog(QObject *dialog)
    {
        const char *const pairs[][2] = {
            { SIGNAL(signalSetEditChannel(int)), SLOT(editChannel(int)) },
            { SIGNAL(signalRegisterNotifier(QString,bool)), SLOT(registered(QString,bool)) },
            { SIGNAL(signalInitialise()), SLOT(initialised()) },
            { SIGNAL(signalUpdateTabs()), SLOT(updated()) },
        };
        for (const auto &pair : pairs)
            if (dialog->metaObject()->indexOfSignal(pair[0] + 1) >= 0)
                connect(dialog, pair[0], this, pair[1]);
    }

    QStringList seen;

public slots:
    void editChannel(int channel) { seen << QStringLiteral("channel %1").arg(channel); }
    void registered(const QString &address, bool canFlush)
    {
        seen << QStringLiteral("register %1%2").arg(address, canFlush ? QStringLiteral(" flush") : QString());
    }
    void initialised() { seen << QStringLiteral("initialise"); }
    void updated() { seen << QStringLiteral("update"); }
};
