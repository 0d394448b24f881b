#include "hostlook.h"

#include "controlsupport.h"

#include <QPalette>
#include <QWidget>

namespace HostLook {

QFont dialogFont()
{
    // The controls' own font: the forms were drawn for a small dialog font,
    // and captions and values read alike in it.
    return ControlSupport::controlFont();
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
