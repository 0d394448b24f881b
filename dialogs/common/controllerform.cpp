#include "controllerform.h"

#include <cpopup.h>

#include <QColor>
#include <QPalette>

namespace ControllerForm {

QByteArray copyName(const QByteArray &original, int copy)
{
    return original + '_' + QByteArray::number(copy);
}

int numberOf(const char *objectName)
{
    return Form::runningNumber(QLatin1String(objectName));
}

Table::Table()
    : m_batches(1)
{
}

void Table::add(Form::Kind kind, const QByteArray &name, int x, int y, int width, int height,
                const char *text, const char *address)
{
    const char *kept = m_names.emplace_back(name).constData();
    m_batches.back().push_back({ kind, kept, x, y, width, height, text, address });
}

void Table::nextBatch()
{
    if (!m_batches.back().empty())
        m_batches.emplace_back();
}

void Table::addRowButtons(const char *valueField, int y)
{
    const QByteArray original = "pushButton" + QByteArray::number(numberOf(valueField));
    add(Form::Kind::PushButton, original, 30, y, 23, 13, "4");
    nextBatch();
    for (int k = 1; k < 10; ++k)
        add(Form::Kind::PushButton, copyName(original, k + 1), 30 + 24 * k, y, 23, 13, "4");
    nextBatch();
}

void Table::build(QWidget *page, Form::Built &built) const
{
    for (const std::vector<Form::Widget> &batch : m_batches) {
        if (!batch.empty())
            Form::Builder(page).widgets(batch.data(), batch.size()).build(built);
    }
}

void setUpPullDowns(const Form::Built &built)
{
    const QColor cyan(0, 255, 255);
    for (const auto &[entry, widget] : built.widgets) {
        auto *popup = qobject_cast<CPopup *>(widget);
        if (!popup)
            continue;
        QPalette palette = popup->palette();
        palette.setColor(QPalette::WindowText, cyan);
        palette.setColor(QPalette::Text, cyan);
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::Base, Qt::black);
        popup->setPalette(palette);
        popup->setAutoFillBackground(true);
        popup->setProperty("enableFocusRect", true);
        popup->setFocusPolicy(Qt::StrongFocus);
        popup->setFocusColor(QColor(155, 255, 255));
        popup->setColumnsCount(1);
        popup->setButtonTextColor(cyan);
        popup->setGrouping(false);
        popup->setLabelSizeToContents(true);
        popup->setGreyOnDisable(true);
    }
}

} // namespace ControllerForm
