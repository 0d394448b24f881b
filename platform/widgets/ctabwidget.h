#pragma once

#include "widgets_export.h"

#include <QTabWidget>

// The tab widget of the forms; getTabBar() gives its tab bar, so that a
// form can colour it like its pages.
class VESTRA_WIDGETS_EXPORT CTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    CTabWidget(QWidget *parent, const char *name);
    ~CTabWidget() override;

    QTabBar *getTabBar() const { return tabBar(); }
};
