#include "parameteraddress.h"

#include <izintavoicedata.h>

#include <QObject>
#include <QRegularExpression>

namespace ParameterAddress {

bool isAddress(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-fA-F][0-9a-fA-F]k.*\\/k"));
    return pattern.match(text).hasMatch();
}

bool isDrumKeyAddress(const QString &address)
{
    return address.contains(QLatin1String("FEkDrumKey"), Qt::CaseInsensitive);
}

QString forVoiceType(const QString &address, int voiceType)
{
    QString rewritten = address;
    switch (voiceType) {
    case 2:
        rewritten.replace(QLatin1String("Normal"), QLatin1String("Plugin"));
        rewritten.replace(QLatin1String("Nrm"), QLatin1String("Plg"));
        break;
    case 3:
        rewritten.replace(QLatin1String("Normal"), QLatin1String("Drum"));
        rewritten.replace(QLatin1String("Nrm"), QLatin1String("Drm"));
        break;
    default:
        break;
    }
    return rewritten;
}

bool resolve(IMemAPI *memAPI, const QString &address, IMemAPI::TSingleAddress *triple)
{
    if (!memAPI)
        return false;
    const IMemAPI::TResolvedAddress resolved = memAPI->resolveAddress(address);
    if (!resolved.addresses)
        return false;
    if (triple)
        *triple = resolved.addresses[0];
    delete[] resolved.addresses;
    return true;
}

IZintaVoiceData *voiceDataOf(IMemAPI *memAPI)
{
    if (!memAPI)
        return nullptr;
    return dynamic_cast<IZintaVoiceData *>(memAPI->voiceData());
}

int partFor(IMemAPI *memAPI, const QString &address, const IMemAPI::TSingleAddress &triple,
            int editChannel)
{
    if (isDrumKeyAddress(address)) {
        if (IZintaVoiceData *voiceData = voiceDataOf(memAPI))
            return voiceData->currentDrumKey();
        return triple.part;
    }
    if (static_cast<qint16>(triple.part) < 0)
        return editChannel;
    return triple.part;
}

} // namespace ParameterAddress
