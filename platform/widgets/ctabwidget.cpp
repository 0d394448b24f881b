#include "ctabwidget.h"

#include "controlsupport.h"

#include <QTabBar>

CTabWidget::CTabWidget(QWidget *parent, const char *name)
    : QTabWidget(parent)
{
    setObjectName(QLatin1String(name));
    // The tabs are the control's; the pages and what stands on them keep
    // the font of the dialog.
    tabBar()->setFont(ControlSupport::controlFont());
}

CTabWidget::~CTabWidget() = default;
