#include "tmemproxy.h"
#include "tparametermemory_p.h"

#include <QMetaObject>
#include <QRegularExpression>
#include <QWidget>

// The memory as the dialogs and their controls reach it: the IMemAPI
// operations, and the binding of controls (TMemProxy) to the values they show.

// ---- IMemAPI.

QObject *TParameterMemory::voiceData()
{
    return d->voiceData;
}

IMemAPI::TResolvedAddress TParameterMemory::resolveAddress(const QString &address)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-fA-F][0-9a-fA-F]k.*\\/k"));
    TResolvedAddress resolved;
    quint16 high = 0, low = 0;
    int fixed = -1;
    if (!pattern.match(address).hasMatch() || !findParameter(address, &high, &low, &fixed))
        return resolved;
    resolved.count = 1;
    resolved.addresses = new TSingleAddress[1];
    resolved.addresses[0].high = high;
    resolved.addresses[0].low = low;
    resolved.addresses[0].part = fixed >= 0 ? quint16(fixed) : quint16(0xFFFE);
    return resolved;
}

void TParameterMemory::assignEditChannel(QWidget *dialog, int channel)
{
    if (!dialog)
        return;
    const QList<QObject *> descendants = dialog->findChildren<QObject *>();
    for (QObject *object : descendants) {
        if (auto *proxy = dynamic_cast<TMemProxy *>(object))
            proxy->connectMemAPI(this, channel);
    }
}

int TParameterMemory::parameterText(quint16 part, int kind, QString &text, QPixmap &pixmap,
                                    int value, int reserved, quint16 high, quint16 low)
{
    Q_UNUSED(pixmap);
    Q_UNUSED(reserved);
    int p = qint16(part) < 0 ? 0 : part;
    if (d->known({ high, low, 0 }) && p >= partCount(high))
        p = 0;
    const ParameterRef ref{ high, low, p };
    if (!d->known(ref))
        return 1;
    text = kind == NameText ? name(ref) : valueText(ref, value);
    return 0;
}

bool TParameterMemory::connectSignal(const char *signal, QObject *receiver, const char *member,
                                     bool unique)
{
    if (!signal || !member || !receiver || !*signal || !*member)
        return false;
    const QByteArray signalSignature = QMetaObject::normalizedSignature(signal + 1);
    const QByteArray memberSignature = QMetaObject::normalizedSignature(member + 1);
    if (metaObject()->indexOfSignal(signalSignature.constData()) < 0
        || receiver->metaObject()->indexOfMethod(memberSignature.constData()) < 0)
        return false;
    return bool(QObject::connect(this, signal, receiver, member,
                                 unique ? Qt::UniqueConnection : Qt::AutoConnection));
}

// ---- Binding, for TMemProxy.

bool TParameterMemory::bindProxy(TMemProxy *proxy, int channel)
{
    d->controls.unbind(proxy);
    d->controls.remember(proxy);
    proxy->m_memory = this;
    proxy->m_channel = channel;
    proxy->m_bound = false;
    const std::optional<ParameterRef> ref =
        proxy->m_address.isEmpty() ? std::nullopt : resolve(proxy->m_address, channel);
    if (!ref)
        return false;
    proxy->m_bound = true;
    proxy->m_part = ref->part;
    proxy->m_triple->high = ref->high;
    proxy->m_triple->low = ref->low;
    proxy->m_triple->part = quint16(ref->part);
    d->controls.bind(proxy, *ref);
    proxy->memoryValueChanged(value(*ref));
    return true;
}

void TParameterMemory::unbindProxy(TMemProxy *proxy)
{
    d->controls.unbind(proxy);
    proxy->m_bound = false;
}

void TParameterMemory::forgetProxy(TMemProxy *proxy)
{
    d->controls.forget(proxy);
}
