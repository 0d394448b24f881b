#pragma once

#include "labeladdressmap.h"

#include <QDialog>

class IMemAPI;

// What every detail dialog is: a fixed-size form whose controls carry
// parameter addresses. A dialog class builds its form in its constructor,
// gives every text and address in languageChange(), and says in
// connectMemAPI() what it needs from the parameter memory once it has one.
// DetailDialogsIEditorExtensions<T> wraps a dialog class for the host and
// supplies the parameter memory through memAPI().
class DetailDialog : public QDialog
{
    Q_OBJECT

public:
    DetailDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags);
    ~DetailDialog() override;

    // The parameter memory the dialog edits; none in a bare dialog.
    virtual IMemAPI *memAPI() const;

    // Label object name to address, for the labels that show a parameter's name.
    LabelAddressMap labelAddressMap;

public slots:
    // Acts only when memAPI() is not null.
    virtual void connectMemAPI();
    // Runs the dialog modally when it has a parameter memory; schedules its
    // deletion afterwards in every case.
    void execute();

protected slots:
    virtual void languageChange();

protected:
    // A change of the application's language calls languageChange().
    void changeEvent(QEvent *event) override;
    // Fixes the dialog's size, as every detail dialog has one it cannot leave.
    void fixSize(int width, int height);
    // The final resize of a form: its minimum size hint, at least width x height.
    void resizeToForm(int width, int height);
};
