#pragma once

#include "widgets_export.h"

#include <imemapi.h>
#include <tmemproxy.h>

#include <QLabel>

// A read-only display of one parameter: a label whose text follows the
// parameter's value text. Without an address it is an ordinary label.
class VESTRA_WIDGETS_EXPORT CLabelDisplay : public QLabel,
                                            public TMemProxy,
                                            public IMemAPI::TSingleAddress
{
    Q_OBJECT

public:
    CLabelDisplay(QWidget *parent, const char *name);
    ~CLabelDisplay() override;

    void destroy(unsigned int deleteFlag) override;

protected:
    void memoryValueChanged(int value) override;
    // A display without an address stays as the form made it.
    void applyVisibility(bool visible) override;
};
