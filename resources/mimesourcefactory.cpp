#include "mimesourcefactory.h"

#include "embeddedimages.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QIcon>
#include <QVector>

namespace {
MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon *theInstance = nullptr;

QImage imageFromRecord(const EmbedImage &record)
{
    const QByteArray pixels = qUncompress(record.data, record.compressedLength);
    const int stride = (record.width * record.depth / 8 + 3) / 4 * 4;
    if (record.depth != 8 || pixels.size() < stride * record.height)
        return QImage();
    const QImage view(reinterpret_cast<const uchar *>(pixels.constData()), record.width,
                      record.height, stride, QImage::Format_Indexed8);
    QImage image = view.copy();
    image.setColorTable(QVector<QRgb>(record.colorTable, record.colorTable + record.numColors));
    if (record.alpha)
        image = image.convertToFormat(QImage::Format_ARGB32);
    return image;
}
} // namespace

MimeSourceFactory::MimeSourceFactory() = default;
MimeSourceFactory::~MimeSourceFactory() = default;

MimeSourceFactory *MimeSourceFactory::defaultFactory()
{
    static MimeSourceFactory factory;
    return &factory;
}

QImage MimeSourceFactory::data(const QString &name) const
{
    const auto found = m_images.constFind(name);
    if (found != m_images.constEnd())
        return found.value();
    for (const MimeSourceFactory *factory : m_factories) {
        const QImage image = factory->data(name);
        if (!image.isNull())
            return image;
    }
    return QImage();
}

void MimeSourceFactory::setImage(const QString &name, const QImage &image)
{
    m_images.insert(name, image);
}

void MimeSourceFactory::addFactory(MimeSourceFactory *factory)
{
    if (factory && !m_factories.contains(factory))
        m_factories.append(factory);
}

void MimeSourceFactory::removeFactory(MimeSourceFactory *factory)
{
    m_factories.removeAll(factory);
}

QPixmap fromMimeSource(const QString &name)
{
    const QImage image = MimeSourceFactory::defaultFactory()->data(name);
    if (image.isNull())
        return QPixmap();
    // A screen with more device pixels per pixel gets the image drawn at twice
    // the size, served beside it as "name@2x.ext", when there is one: the
    // icon picks the one that suits the application's ratio.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())
        || qGuiApp->devicePixelRatio() <= 1.0)
        return QPixmap::fromImage(image);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    QString doubleName = name;
    doubleName.insert(dot < 0 ? name.size() : dot, QLatin1String("@2x"));
    QImage doubled = MimeSourceFactory::defaultFactory()->data(doubleName);
    if (doubled.isNull())
        return QPixmap::fromImage(image);
    doubled.setDevicePixelRatio(2.0);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(image));
    icon.addPixmap(QPixmap::fromImage(doubled));
    return icon.pixmap(image.size());
}

QImage MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::data(const QString &name) const
{
    const QImage known = MimeSourceFactory::data(name);
    if (!known.isNull() || name.isNull())
        return known;
    for (const EmbedImage *record = embeddedImages; record->data; ++record) {
        if (QString::fromUtf8(record->name) != name)
            continue;
        const QImage image = imageFromRecord(*record);
        if (image.isNull())
            return image;
        // The factory is logically constant: it only caches what it serves.
        const_cast<MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon *>(this)->setImage(
            name, image);
        return MimeSourceFactory::data(name);
    }
    return QImage();
}

void MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::install()
{
    if (theInstance)
        return;
    theInstance = new MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon;
    MimeSourceFactory::defaultFactory()->addFactory(theInstance);
}

void MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::uninstall()
{
    if (!theInstance)
        return;
    MimeSourceFactory::defaultFactory()->removeFactory(theInstance);
    delete theInstance;
    theInstance = nullptr;
}

MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon *
MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon::instance()
{
    return theInstance;
}
