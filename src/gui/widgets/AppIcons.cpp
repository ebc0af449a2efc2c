#include "widgets/AppIcons.h"

#include "widgets/BandedFrames.h"
#include "widgets/RawPicture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <span>
#include <utility>

namespace
{
constexpr std::array kIconSizes{16, 24, 32, 48};
constexpr std::array kProgramIconSizes{16, 24, 32, 48, 64, 128, 256};

class CPictureIconEngine : public QIconEngine
{
public:
    CPictureIconEngine(QString folder, QString name, std::span<const int> sizes)
        : m_folder(std::move(folder)), m_name(std::move(name)), m_sizes(sizes)
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        const auto key = std::make_pair(side, int(mode));
        if (auto found = m_made.find(key); found != m_made.end()) return found->second;

        // The smallest drawing at least as large as asked for, else the largest there is.
        int source = m_sizes.back();
        for (int s : m_sizes)
            if (s >= side)
            {
                source = s;
                break;
            }
        QPixmap picture = resourcePicture(QStringLiteral(":/%1/%2/%3.raw").arg(m_folder).arg(source).arg(m_name));
        if (!picture.isNull() && source != side)
            picture = picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && !picture.isNull())
        {
            // Greyed for disabled commands, the way the style does for any icon.
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return m_made[key] = picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        const QSize shown = picture.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(rect.center() - QPoint(shown.width() / 2, shown.height() / 2), shown), picture);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int s : m_sizes) sizes.append(QSize(s, s));
        return sizes;
    }

    QIconEngine* clone() const override { return new CPictureIconEngine(m_folder, m_name, m_sizes); }
    QString key() const override { return QStringLiteral("obrix-picture"); }
    QString iconName() override { return m_name; }

private:
    QString m_folder;
    QString m_name;
    std::span<const int> m_sizes;
    std::map<std::pair<int, int>, QPixmap> m_made;
};

class CDeferredIconEngine : public QIconEngine
{
public:
    explicit CDeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QIconEngine* clone() const override
    {
        auto* copy = new CDeferredIconEngine(m_make);
        copy->m_icon = m_icon;
        return copy;
    }
    QString key() const override { return QStringLiteral("obrix-deferred"); }

private:
    const QIcon& icon()
    {
        if (m_make)
        {
            m_icon = m_make();
            m_make = nullptr;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

class CAppStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        // The caller's option may be gone by the time the icon is painted: its common part
        // (direction, palette, state) is kept, which is what styles choose icons by.
        std::optional<QStyleOption> kept;
        if (option) kept = *option;
        const QPointer<const QStyle> style(baseStyle());
        const QPointer<const QWidget> owner(widget);
        return deferredIcon([style, icon, kept, owner] {
            return style ? style->standardIcon(icon, kept ? &*kept : nullptr, owner.data()) : QIcon();
        });
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (!bandedframes::drawFusionControl(element, option, painter, widget, baseStyle()))
            QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        if (!bandedframes::drawFusionComplexControl(control, option, painter, widget, baseStyle()))
            QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (!bandedframes::drawFusionPrimitive(element, option, painter, widget, baseStyle()))
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};
} // namespace

QPixmap resourcePicture(const QString& path)
{
    return QPixmap::fromImage(rawpicture::decode(QResource(path).uncompressedData()));
}

QIcon deferredIcon(std::function<QIcon()> make)
{
    return QIcon(new CDeferredIconEngine(std::move(make)));
}

QString applicationStyleName()
{
    const QStyle* style = QApplication::style();
    if (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
    return style->name();
}

void installAppStyle()
{
    // Made by name, so that a style chosen with -style or QT_STYLE_OVERRIDE is kept.
    if (!dynamic_cast<CAppStyle*>(QApplication::style())) QApplication::setStyle(new CAppStyle(applicationStyleName()));
}

QIcon appIcon(const char* name)
{
    return QIcon(new CPictureIconEngine(QStringLiteral("icons"), QString::fromLatin1(name), kIconSizes));
}

QIcon programIcon()
{
    return QIcon(new CPictureIconEngine(QStringLiteral("app"), QStringLiteral("obrix"), kProgramIconSizes));
}
