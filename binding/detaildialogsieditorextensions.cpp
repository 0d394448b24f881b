#include "detaildialogsieditorextensions.h"

#include <QWidget>

namespace DetailDialogsWiring {

void connectIfDeclared(QObject *dialog, const char *signal, QObject *receiver, const char *slot)
{
    // Signatures carry Qt's code digit: "2signal(...)", "1slot(...)".
    const QByteArray signature = QMetaObject::normalizedSignature(signal + 1);
    if (dialog->metaObject()->indexOfSignal(signature.constData()) < 0)
        return;
    QObject::connect(dialog, signal, receiver, slot);
}

void connectHelpers(QObject *dialog, DetailDialogsPopulationHelper *population,
                    DetailDialogsSlotHelper *slotHelper)
{
    struct Wire
    {
        const char *signal;
        QObject *receiver;
        const char *slot;
    };
    // clang-format off
    const Wire wires[] = {
        { "2signalInitialise()", population, "1slotInitialise()" },
        { "2signalRegisterNotifier(QString,bool)", population, "1slotRegisterNotifier(QString,bool)" },
        { "2signalSetEditChannel(int)", population, "1slotSetEditChannel(int)" },
        { "2signalUpdateTabs()", population, "1slotUpdateTabs()" },
        { "2signalArpTypeSelect()", slotHelper, "1slotArpTypeSelect()" },
        { "2signalArpSFAssignTypeSelect(int)", slotHelper, "1slotArpSFAssignTypeSelect(int)" },
        { "2signalWaveTypeSelect(int)", slotHelper, "1slotWaveTypeSelect(int)" },
        { "2signalDrumWaveTypeSelect()", slotHelper, "1slotDrumWaveTypeSelect()" },
        { "2signalDrumVoiceSelect()", slotHelper, "1slotDrumVoiceSelect()" },
    };
    // clang-format on
    for (const Wire &wire : wires)
        connectIfDeclared(dialog, wire.signal, wire.receiver, wire.slot);
}

void setFormBackground(QWidget *dialog)
{
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
}

} // namespace DetailDialogsWiring
