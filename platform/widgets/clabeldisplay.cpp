#include "clabeldisplay.h"

#include "controlsupport.h"

CLabelDisplay::CLabelDisplay(QWidget *parent, const char *name)
    : QLabel(parent)
    , TMemProxy(this)
{
    setObjectName(QLatin1String(name));
    setFont(ControlSupport::controlFont());
}

CLabelDisplay::~CLabelDisplay() = default;

void CLabelDisplay::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void CLabelDisplay::memoryValueChanged(int value)
{
    setText(valueText(value));
}

void CLabelDisplay::applyVisibility(bool visible)
{
    if (!namedAddress().isEmpty())
        setVisible(visible);
}
