#include "formrewriting.h"

#include "parameteraddress.h"

#include <tmemproxy.h>

#include <QLabel>
#include <QTabWidget>

namespace {

void rewriteChildren(QObject *parent, int voiceType)
{
    for (QObject *child : parent->children()) {
        auto *proxy = dynamic_cast<TMemProxy *>(child);
        if (!proxy)
            continue;
        const QString address = proxy->namedAddress();
        if (!address.isEmpty())
            proxy->setNamedAddress(ParameterAddress::forVoiceType(address, voiceType));
    }
}

} // namespace

void rewriteFormAddresses(QObject *dialog, int voiceType)
{
    rewriteChildren(dialog, voiceType);
    const auto tabWidgets =
        dialog->findChildren<QTabWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QTabWidget *tabWidget : tabWidgets) {
        for (int i = 0; i < tabWidget->count(); ++i)
            rewriteChildren(tabWidget->widget(i), voiceType);
    }
}

void collectAddressLabels(QObject *dialog, LabelAddressMap &map)
{
    const auto labels = dialog->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (ParameterAddress::isAddress(label->text()))
            map.emplace(label->objectName(), label->text());
    }
}
