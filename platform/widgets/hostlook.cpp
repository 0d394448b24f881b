#include "hostlook.h"

#include <QPalette>
#include <QWidget>

namespace HostLook {

QFont dialogFont()
{
    QFont font(QStringLiteral("Roboto Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

void applyTo(QWidget *dialog)
{
    if (!dialog)
        return;
    dialog->setFont(dialogFont());
    QPalette palette = dialog->palette();
    const QColor disabledText(96, 96, 96);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, disabledText);
    dialog->setPalette(palette);
}

} // namespace HostLook
