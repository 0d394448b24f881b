#pragma once

#include "controllerform.h"

#include <detaildialog.h>
#include <formbuilder.h>

class QTabWidget;

// All six controller-set slots of the voice common block, the common LFO,
// and for each of the four elements its LFO phase offset and its depth of
// each common LFO slot: a plain form like CtrlSet's, of value fields and
// pull-down menus on a grid of inert push buttons. The element columns
// address elements 1 to 4 by their prefixes "00" to "30", whatever element
// the host edits.
class CtrlSetComLFO : public DetailDialog
{
    Q_OBJECT

public:
    explicit CtrlSetComLFO(QWidget *parent = nullptr, const char *name = nullptr,
                           bool modal = false, Qt::WindowFlags flags = Qt::WindowFlags());

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
