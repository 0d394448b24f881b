#include "csimplenotifier.h"

#include <QMetaObject>

CSimpleNotifier::CSimpleNotifier(QObject *parent, const char *name)
    : QObject(parent)
    , TMemProxy(this)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
}

CSimpleNotifier::~CSimpleNotifier() = default;

bool CSimpleNotifier::Create(IMemAPI *memAPI, QObject *receiver, const QString &address, int part,
                             const char *member, CSimpleNotifier *notifier, void *)
{
    if (!memAPI || !receiver || !member || !*member || !notifier)
        return false;
    const QByteArray signature = QMetaObject::normalizedSignature(member + 1);
    if (receiver->metaObject()->indexOfMethod(signature.constData()) < 0)
        return false;
    notifier->disconnect(SIGNAL(valueChanged(int)));
    notifier->setNamedAddress(address);
    if (!notifier->connectMemAPI(memAPI, part))
        return false;
    QObject::connect(notifier, SIGNAL(valueChanged(int)), receiver, member);
    notifier->triggerValueChanged();
    return true;
}

void CSimpleNotifier::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void CSimpleNotifier::setValue(int value)
{
    writeValue(value);
}

int CSimpleNotifier::getValue()
{
    return m_value;
}

void CSimpleNotifier::triggerValueChanged()
{
    m_value = value();
    emit valueChanged(m_value);
}

int CSimpleNotifier::clipWithinRange(int value)
{
    return qBound(minimum(), value, maximum());
}

bool CSimpleNotifier::inActiveMode()
{
    return isBound();
}

void CSimpleNotifier::memoryValueChanged(int value)
{
    // Reports changes only: binding again to the same value, or a refresh,
    // is no change.
    if (value == m_value)
        return;
    m_value = value;
    emit valueChanged(value);
}

void CSimpleNotifier::applyVisibility(bool) {}
