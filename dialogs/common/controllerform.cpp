#include "controllerform.h"

#include <cpopup.h>

#include <QColor>

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
    for (const auto &[entry, widget] : built.widgets) {
        if (auto *popup = qobject_cast<CPopup *>(widget))
            Form::setUpPopup(popup, QColor(0, 255, 255), Qt::StrongFocus, 1);
    }
}

} // namespace ControllerForm
