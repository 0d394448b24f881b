#pragma once

#include <detaildialog.h>
#include <formbuilder.h>

class QTabWidget;

// The portamento and legato parameters of a normal voice's common block:
// one page of five slider-and-fader rows.
class PortamentoDetail : public DetailDialog
{
    Q_OBJECT

public:
    explicit PortamentoDetail(QWidget *parent = nullptr, const char *name = nullptr,
                              bool modal = false, Qt::WindowFlags flags = Qt::WindowFlags());

public slots:
    void connectMemAPI() override;

signals:
    void signalRegisterNotifier(QString address, bool bCanFlush);
    void signalInitialise();
    void signalUpdateTabs();

protected slots:
    void languageChange() override;

private:
    QTabWidget *tabWidget2;
    QWidget *tab0;
    Form::Built m_form;
};
