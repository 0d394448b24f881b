#include "tmemproxy.h"

#include "tparametermemory.h"

#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

TMemProxy::TMemProxy(IMemAPI::TSingleAddress *triple)
    : m_triple(triple)
{
}

TMemProxy::~TMemProxy()
{
    if (m_memory)
        m_memory->forgetProxy(this);
}

int TMemProxy::process(void *, int, int)
{
    if (m_memory) {
        // Re-reads the parameter: a type change may have changed its range.
        if (m_bound)
            memoryValueChanged(value());
    }
    if (!m_autoHideDisabled)
        applyVisibility(m_bound && inUse());
    return 0;
}

bool TMemProxy::autoUndoDisabled()
{
    return !m_undoEnabled;
}

TMemProxyBasic *TMemProxy::realMemoryProxy()
{
    return this;
}

bool TMemProxy::connectMemAPI(IMemAPI *memAPI, int channel)
{
    auto *memory = dynamic_cast<TParameterMemory *>(memAPI);
    if (!memory) {
        disconnectMemAPI();
        return false;
    }
    if (m_memory && m_memory != memory)
        m_memory->forgetProxy(this);
    return memory->bindProxy(this, channel);
}

void TMemProxy::disconnectMemAPI()
{
    if (m_memory)
        m_memory->forgetProxy(this);
    m_memory = nullptr;
    m_bound = false;
}

namespace {

// What copyParameters() took: one value of one parameter, which any control
// of the same parameter (in any part) can paste.
struct CopiedValue
{
    bool full = false;
    quint16 high = 0;
    quint16 low = 0;
    int value = 0;
};

CopiedValue &copiedValue()
{
    static CopiedValue copied;
    return copied;
}

} // namespace

void TMemProxy::copyParameters()
{
    if (m_bound)
        copiedValue() = { true, m_triple->high, m_triple->low, value() };
}

void TMemProxy::pasteParameters()
{
    const CopiedValue &copied = copiedValue();
    if (m_bound && copied.full && copied.high == m_triple->high && copied.low == m_triple->low)
        writeValue(copied.value);
}

void TMemProxy::reset2defaults()
{
    if (m_bound)
        writeValue(m_memory->defaultValue(m_triple->high, m_triple->low, m_part));
}

void TMemProxy::reset2AltDefaults()
{
    if (m_bound)
        writeValue(minimum());
}

void TMemProxy::getInformation(double &value, double &minimum, double &maximum, bool &valid)
{
    valid = m_bound;
    if (!m_bound)
        return;
    value = this->value();
    minimum = this->minimum();
    maximum = this->maximum();
}

void TMemProxy::setInformation(double value, double, double, bool)
{
    writeValue(int(value));
}

void TMemProxy::applyConnection()
{
    if (m_memory)
        m_memory->bindProxy(this, m_channel);
}

void TMemProxy::disableAutoHide(bool disable)
{
    m_autoHideDisabled = disable;
}

QString TMemProxy::namedAddress()
{
    return m_address;
}

void TMemProxy::setNamedAddress(const QString &address)
{
    if (address == m_address)
        return;
    m_address = address;
    if (m_memory)
        m_memory->bindProxy(this, m_channel);
}

bool TMemProxy::isUndoEnable()
{
    return m_undoEnabled;
}

void TMemProxy::setUndoEnable(bool enable)
{
    m_undoEnabled = enable;
}

int TMemProxy::numDefaultKind()
{
    return m_defaultKind;
}

void TMemProxy::setNumDefaultKind(int kind)
{
    m_defaultKind = kind;
}

bool TMemProxy::disabledUI()
{
    return m_disabledUI;
}

void TMemProxy::setDisabledUI(bool disabled)
{
    m_disabledUI = disabled;
}

bool TMemProxy::isBound() const
{
    return m_bound;
}

int TMemProxy::boundPart() const
{
    return m_part;
}

int TMemProxy::value() const
{
    return m_bound ? m_memory->value(m_triple->high, m_triple->low, m_part) : 0;
}

int TMemProxy::minimum() const
{
    return m_bound ? m_memory->minimum(m_triple->high, m_triple->low, m_part) : 0;
}

int TMemProxy::maximum() const
{
    return m_bound ? m_memory->maximum(m_triple->high, m_triple->low, m_part) : 0;
}

bool TMemProxy::inUse() const
{
    return m_bound && m_memory->inUse(m_triple->high, m_triple->low, m_part);
}

bool TMemProxy::readOnly() const
{
    return !m_bound || m_memory->compareMode();
}

QString TMemProxy::valueText(int v) const
{
    return m_bound ? m_memory->valueText(m_triple->high, m_triple->low, m_part, v) : QString();
}

QString TMemProxy::parameterName() const
{
    return m_bound ? m_memory->name(m_triple->high, m_triple->low, m_part) : QString();
}

QString TMemProxy::fullName() const
{
    return m_bound ? m_memory->fullName(m_triple->high, m_triple->low, m_part) : QString();
}

int TMemProxy::defaultValue() const
{
    return m_bound ? m_memory->defaultValue(m_triple->high, m_triple->low, m_part) : 0;
}

int TMemProxy::partCount() const
{
    return m_bound ? m_memory->partCount(m_triple->high) : 0;
}

namespace {
// A number with an optional unit after it: "90", "-12dB", "+3", "46.3kHz".
bool readNumber(const QString &text, double *number, QString *unit)
{
    static const QRegularExpression pattern(
        QStringLiteral("^([+-]?(?:\\d+\\.?\\d*|\\.\\d+))\\s*([^\\d\\s]*)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    *number = match.captured(1).toDouble();
    *unit = match.captured(2);
    return true;
}
} // namespace

bool TMemProxy::valueForText(const QString &typed, int *value, bool *beyondRange) const
{
    if (beyondRange)
        *beyondRange = false;
    const QString text = typed.trimmed();
    if (!m_bound || text.isEmpty())
        return false;
    const int lowest = minimum();
    const int highest = maximum();
    for (int v = lowest; v <= highest; ++v) {
        if (valueText(v).compare(text, Qt::CaseInsensitive) == 0) {
            *value = v;
            return true;
        }
    }
    double wanted = 0;
    QString unit;
    if (!readNumber(text, &wanted, &unit))
        return false;
    // The value whose text reads nearest to the number typed.
    double bestDistance = std::numeric_limits<double>::infinity();
    double smallest = bestDistance;
    double largest = -bestDistance;
    for (int v = lowest; v <= highest; ++v) {
        double number = 0;
        QString textUnit;
        if (!readNumber(valueText(v), &number, &textUnit)
            || (!unit.isEmpty() && textUnit.compare(unit, Qt::CaseInsensitive) != 0))
            continue;
        smallest = std::min(smallest, number);
        largest = std::max(largest, number);
        if (std::abs(number - wanted) < bestDistance) {
            bestDistance = std::abs(number - wanted);
            *value = v;
        }
    }
    if (largest < smallest) {
        // No text reads as a number (nor with that unit): the number is the value.
        if (!unit.isEmpty())
            return false;
        smallest = lowest;
        largest = highest;
        *value = int(std::lround(std::clamp(wanted, double(lowest), double(highest))));
    }
    if (beyondRange)
        *beyondRange = wanted < smallest || wanted > largest;
    return true;
}

bool TMemProxy::writeValue(int v)
{
    return m_bound && m_memory->setValue(m_triple->high, m_triple->low, m_part, v);
}

void TMemProxy::applyVisibility(bool visible)
{
    if (auto *widget = dynamic_cast<QWidget *>(this))
        widget->setVisible(visible);
}
