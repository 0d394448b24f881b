#pragma once

#include <QByteArray>
#include <QString>

class DetailDialogsAddOn;
class IHostCommandTarget;
class QWidget;

// What the catalogue passes to the function that makes an entry's dialog.
struct DialogRequest
{
    DetailDialogsAddOn *addOn;
    IHostCommandTarget *commands;
    int voiceType;
    QByteArray objectName; // Latin-1
    QString caption;
    int entry;
};

using DialogFactory = QWidget *(*)(const DialogRequest &request);
