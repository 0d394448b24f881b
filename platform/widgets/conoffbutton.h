#pragma once

#include "widgets_export.h"

#include <imemapi.h>
#include <tmemproxy.h>

#include <QPushButton>

// A toggle bound to an on/off parameter: checked while the value is above
// the minimum; clicking writes the maximum or the minimum. It shows the
// value text ("On", "Off").
class VESTRA_WIDGETS_EXPORT COnOffButton : public QPushButton,
                                           public TMemProxy,
                                           public IMemAPI::TSingleAddress
{
    Q_OBJECT

public:
    COnOffButton(QWidget *parent, const char *name);
    ~COnOffButton() override;

    void destroy(unsigned int deleteFlag) override;

protected:
    void memoryValueChanged(int value) override;

private:
    void toggledByUser(bool on);
    bool m_following = false;
};
