#pragma once

#include "imemapi.h"
#include "memapi_export.h"

#include <QString>

class TParameterMemory;

// The link between one control (or notifier) and one parameter of the
// parameter memory.
//
// A control derives from TMemProxy and from IMemAPI::TSingleAddress (which
// holds its resolved triple) and passes the latter to TMemProxy's
// constructor. It names its parameter with setNamedAddress(); the memory
// binds it when the dialog is handed over with IMemAPI::assignEditChannel().
// From then on every change of the parameter, wherever it comes from, reaches
// the control through memoryValueChanged(), and the control writes its edits
// with writeValue().
//
// The order of declaration of the 22 operations of TMemProxyBasic is the
// contract: callers may reach them by position.
class VESTRA_MEMAPI_EXPORT TMemProxyBasic
{
public:
    // Slot 0. The destructor: frees the object when deleteFlag is non-zero.
    virtual void destroy(unsigned int deleteFlag) = 0;
    // Slot 1. With (null, 0, 0): re-reads the parameter and shows or hides
    // the control: hidden when its address is empty or unknown or its
    // parameter is out of use for the current type (unless auto-hide is
    // disabled). Returns 0.
    virtual int process(void *message, int arg1, int arg2) = 0;
    // Slot 2. Whether edits through this proxy bypass the undo history.
    virtual bool autoUndoDisabled() = 0;
    // Slot 3. The proxy that really talks to the memory (this one).
    virtual TMemProxyBasic *realMemoryProxy() = 0;
    // Slot 4. Binds the proxy to memAPI, `channel` being the part of an "FE"
    // address. Returns true when the address resolved.
    virtual bool connectMemAPI(IMemAPI *memAPI, int channel) = 0;
    // Slot 5. Unbinds the proxy; it then follows nothing.
    virtual void disconnectMemAPI() = 0;
    // Slot 6. Copies the parameter's value to the memory's clipboard.
    virtual void copyParameters() = 0;
    // Slot 7. Writes the clipboard's value, when it came from the same parameter.
    virtual void pasteParameters() = 0;
    // Slot 8. Writes the parameter's default.
    virtual void reset2defaults() = 0;
    // Slot 9. Writes the parameter's alternative default (its minimum).
    virtual void reset2AltDefaults() = 0;
    // Slot 10. The current value, minimum and maximum; `valid` is set to
    // whether the proxy is bound. Unbound, the numbers are left as they are.
    virtual void getInformation(double &value, double &minimum, double &maximum, bool &valid) = 0;
    // Slot 11. Writes `value` (clipped to the range); the other arguments are ignored.
    virtual void setInformation(double value, double minimum, double maximum, bool valid) = 0;
    // Slot 12. Re-resolves the address and rebinds on the current channel.
    virtual void applyConnection() = 0;
    // Slot 13. With true, process() no longer shows or hides the control.
    virtual void disableAutoHide(bool disable) = 0;
    // Slot 14. The parameter address text.
    virtual QString namedAddress() = 0;
    // Slot 15. Sets the parameter address text; a bound proxy rebinds.
    virtual void setNamedAddress(const QString &address) = 0;
    // Slot 16.
    virtual bool isUndoEnable() = 0;
    // Slot 17.
    virtual void setUndoEnable(bool enable) = 0;
    // Slot 18. Which default reset2defaults() writes (0: the parameter's own).
    virtual int numDefaultKind() = 0;
    // Slot 19.
    virtual void setNumDefaultKind(int kind) = 0;
    // Slot 20. Whether the control is shown disabled.
    virtual bool disabledUI() = 0;
    // Slot 21.
    virtual void setDisabledUI(bool disabled) = 0;

protected:
    ~TMemProxyBasic() = default;
};

class VESTRA_MEMAPI_EXPORT TMemProxy : public TMemProxyBasic
{
public:
    // `triple` is the control's own IMemAPI::TSingleAddress base, which the
    // proxy keeps up to date with the resolved address. It is only stored
    // here, so a control may pass `this` while it is being constructed.
    explicit TMemProxy(IMemAPI::TSingleAddress *triple);
    TMemProxy(const TMemProxy &) = delete;
    TMemProxy &operator=(const TMemProxy &) = delete;

    int process(void *message, int arg1, int arg2) override;
    bool autoUndoDisabled() override;
    TMemProxyBasic *realMemoryProxy() override;
    bool connectMemAPI(IMemAPI *memAPI, int channel) override;
    void disconnectMemAPI() override;
    void copyParameters() override;
    void pasteParameters() override;
    void reset2defaults() override;
    void reset2AltDefaults() override;
    void getInformation(double &value, double &minimum, double &maximum, bool &valid) override;
    void setInformation(double value, double minimum, double maximum, bool valid) override;
    void applyConnection() override;
    void disableAutoHide(bool disable) override;
    QString namedAddress() override;
    void setNamedAddress(const QString &address) override;
    bool isUndoEnable() override;
    void setUndoEnable(bool enable) override;
    int numDefaultKind() override;
    void setNumDefaultKind(int kind) override;
    bool disabledUI() override;
    void setDisabledUI(bool disabled) override;

    // For the control built on the proxy.

    // Bound to a parameter the memory knows.
    bool isBound() const;
    // The part the proxy is bound to (its own, or the channel for "FE").
    int boundPart() const;
    // The value shown: the edit buffer's, or the stored voice's in compare mode.
    int value() const;
    int minimum() const;
    int maximum() const;
    // Whether the parameter is in use for the current value of its type parameter.
    bool inUse() const;
    // Whether edits are refused now (compare mode).
    bool readOnly() const;
    // The value text of v ("C3", "L63", "On" ...), and the parameter's name.
    QString valueText(int v) const;
    QString parameterName() const;
    // The parameter's name in full, for tooltips and assistive tools (the
    // short name above is what captions show).
    QString fullName() const;
    int defaultValue() const;
    // The number of parts of the parameter's block: 4 elements, 73 drum
    // keys, or 1.
    int partCount() const;
    // The value a person means by `typed`: one of the parameter's value
    // texts ("C#3", "L20", "On"), compared without regard to case; or a
    // number ("90", "-12", "250ms"), which picks the value whose text reads
    // as the nearest number (with the unit typed, when one is), or, when no
    // text reads as a number, is the value itself. A number beyond what the
    // parameter can take gives the nearest end and sets *beyondRange (may be
    // null). Returns false for anything else, and when unbound.
    bool valueForText(const QString &typed, int *value, bool *beyondRange = nullptr) const;
    // Writes v, clipped to the range, through the memory. Returns whether the
    // value changed; a refused edit (compare mode) or an unbound proxy
    // returns false. Every proxy and notifier on the same parameter and part,
    // this one included, hears of the change through memoryValueChanged().
    bool writeValue(int v);

protected:
    ~TMemProxy();

    // The parameter's value changed (or the proxy was bound, or the memory
    // was reloaded, or compare mode switched): show `value`.
    virtual void memoryValueChanged(int value) = 0;
    // The proxy's shown-or-hidden state as process() decided it. The default
    // shows or hides the QWidget the proxy belongs to, if it is one.
    virtual void applyVisibility(bool visible);

private:
    friend class TParameterMemory;
    IMemAPI::TSingleAddress *m_triple;
    TParameterMemory *m_memory = nullptr;
    QString m_address;
    int m_channel = 0;
    int m_part = 0;
    bool m_bound = false;
    bool m_autoHideDisabled = false;
    bool m_undoEnabled = true;
    bool m_disabledUI = false;
    int m_defaultKind = 0;
};
