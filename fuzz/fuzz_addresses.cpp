// Fuzzes address recognition, voice-type rewriting and resolution by the
// parameter memory with arbitrary texts.

#include <parameteraddress.h>
#include <tparametermemory.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

TParameterMemory &memory()
{
    static int argc = 1;
    static char name[] = "fuzz_addresses";
    static char *argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv);
    static TParameterMemory theMemory;
    return theMemory;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const bool isAddress = ParameterAddress::isAddress(text);
    ParameterAddress::isDrumKeyAddress(text);

    // Normal voices, boards and "no type" keep every address as it is.
    check(ParameterAddress::forVoiceType(text, 1) == text);
    check(ParameterAddress::forVoiceType(text, 4) == text);
    check(ParameterAddress::forVoiceType(text, 0) == text);

    for (int voiceType : { 2, 3 }) {
        const QString rewritten = ParameterAddress::forVoiceType(text, voiceType);
        // Rewriting never touches the part digits or the "k" and "/k" marks,
        // and leaves no normal-voice word behind.
        check(ParameterAddress::isAddress(rewritten) == isAddress);
        check(!rewritten.contains(QLatin1String("Normal")));
        check(!rewritten.contains(QLatin1String("Nrm")));
        check(ParameterAddress::forVoiceType(rewritten, voiceType) == rewritten);

        IMemAPI::TSingleAddress triple;
        if (ParameterAddress::resolve(&memory(), rewritten, &triple)) {
            QString name;
            QPixmap pixmap;
            memory().parameterText(0, IMemAPI::NameText, name, pixmap, 0, 0, triple.high,
                                   triple.low);
        }
    }
    IMemAPI::TSingleAddress triple;
    if (ParameterAddress::resolve(&memory(), text, &triple))
        check(isAddress);
    return 0;
}
