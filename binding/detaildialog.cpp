#include "detaildialog.h"

#include <QEvent>
#include <QPointer>

DetailDialog::DetailDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
}

DetailDialog::~DetailDialog() = default;

IMemAPI *DetailDialog::memAPI() const
{
    return nullptr;
}

void DetailDialog::connectMemAPI() {}

void DetailDialog::execute()
{
    QPointer<DetailDialog> guard(this);
    if (memAPI())
        exec();
    if (guard)
        guard->deleteLater();
}

void DetailDialog::languageChange() {}

void DetailDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}

void DetailDialog::fixSize(int width, int height)
{
    setMinimumSize(width, height);
    setMaximumSize(width, height);
}

void DetailDialog::resizeToForm(int width, int height)
{
    resize(minimumSizeHint().expandedTo(QSize(width, height)));
}
