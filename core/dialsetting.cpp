#include "dialsetting.h"

#include <cdial.h>

#include <QSettings>

QString hostSettingsOrganisation()
{
    return QStringLiteral("Vestra");
}

QString hostSettingsProduct()
{
    return QStringLiteral("VESTRA_VCE") + QStringLiteral(" Zinta Editor");
}

void applyDialOrientationSetting()
{
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, hostSettingsOrganisation(),
                             hostSettingsProduct());
    CDial::setVerticalMode(settings.value(QStringLiteral("VerticalDials"), 0).toInt() == 1);
}
