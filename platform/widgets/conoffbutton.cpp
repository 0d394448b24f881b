#include "conoffbutton.h"

#include "controlaccessible.h"
#include "controlsupport.h"

COnOffButton::COnOffButton(QWidget *parent, const char *name)
    : QPushButton(parent)
    , TMemProxy(this)
{
    setObjectName(QLatin1String(name));
    ControlAccessible::installFactory();
    setCheckable(true);
    setFont(ControlSupport::controlFont());
    connect(this, &QPushButton::toggled, this, &COnOffButton::toggledByUser);
}

COnOffButton::~COnOffButton() = default;

void COnOffButton::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void COnOffButton::memoryValueChanged(int value)
{
    m_following = true;
    setChecked(value > minimum());
    setText(valueText(value));
    m_following = false;
    ControlSupport::valueShown(this, *this, text(), false);
}

void COnOffButton::toggledByUser(bool on)
{
    if (m_following)
        return;
    if (!writeValue(on ? maximum() : minimum())) {
        // Refused (compare mode, unbound): show the value as it stands.
        m_following = true;
        setChecked(isBound() && value() > minimum());
        m_following = false;
    }
}
