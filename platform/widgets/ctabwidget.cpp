#include "ctabwidget.h"

CTabWidget::CTabWidget(QWidget *parent, const char *name)
    : QTabWidget(parent)
{
    setObjectName(QLatin1String(name));
}

CTabWidget::~CTabWidget() = default;
