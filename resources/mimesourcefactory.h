#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QString>

// Serves images to the add-on's forms by name, as if they were files.
//
// A factory holds images registered with setImage() and answers data(name)
// from them. The default factory also asks, in turn, the factories added to
// it with addFactory(), so a library can make its own images available to
// every form while it is loaded.
class MimeSourceFactory
{
public:
    MimeSourceFactory();
    virtual ~MimeSourceFactory();
    MimeSourceFactory(const MimeSourceFactory &) = delete;
    MimeSourceFactory &operator=(const MimeSourceFactory &) = delete;

    static MimeSourceFactory *defaultFactory();

    // The image registered under `name`, or, for the default factory, the
    // first one an added factory gives; a null image when none has it.
    virtual QImage data(const QString &name) const;

    void setImage(const QString &name, const QImage &image);
    void addFactory(MimeSourceFactory *factory);
    void removeFactory(MimeSourceFactory *factory);

private:
    QMap<QString, QImage> m_images;
    QList<MimeSourceFactory *> m_factories;
};

// The pixmap the default factory serves under `name`; null when none. When
// the application runs at more than one device pixel per pixel and the
// factory also has "name@2x" ("zinta_horzfader@2x.png"), the pixmap is drawn
// from that one, for the application's ratio.
QPixmap fromMimeSource(const QString &name);

// Serves the add-on's embedded images ("zinta_horzfader.png",
// "zinta_horzfaderthumb.png", and each at twice the size, named with "@2x"),
// uncompressing each on its first request.
class MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon : public MimeSourceFactory
{
public:
    QImage data(const QString &name) const override;

    // Creates the one instance and adds it to the default factory; uninstall()
    // removes and deletes it. The library calls them when it is loaded and
    // unloaded.
    static void install();
    static void uninstall();
    static MimeSourceFactory_vestra_ziv21_editor_detail_dialogs_addon *instance();
};
