#pragma once

#include "controllerform.h"

#include <detaildialog.h>
#include <formbuilder.h>

class QTabWidget;

// The first two controller-set slots of the voice common block (depth and
// destination) and the first element's controller sensitivities: a plain
// form of value fields and pull-down menus on a grid of push buttons that
// carry fixed texts and do nothing. It asks nothing of the population
// helper: its controls follow their parameters through the parameter memory
// alone.
class CtrlSet : public DetailDialog
{
    Q_OBJECT

public:
    explicit CtrlSet(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                     Qt::WindowFlags flags = Qt::WindowFlags());

public slots:
    void connectMemAPI() override;

signals:
    void updateParameterNames(QWidget *page);
    void initComboBoxes(QWidget *page);

protected slots:
    void languageChange() override;

private:
    QTabWidget *tabWidget2;
    QWidget *tab0;
    ControllerForm::Table m_table;
    Form::Built m_form;
};
