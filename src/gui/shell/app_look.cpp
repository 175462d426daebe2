#include "gui/shell/app_look.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>
#include <qdrawutil.h>

namespace rosmossel {
namespace {

// The edges of Fusion's group frame picture, kept as they are when it is
// stretched over a group.
constexpr QMargins kGroupFrameMargins(6, 6, 6, 6);

// The platform's style, with the keyboard focus marked by a thick dark frame
// inside the focused control: the styles' own thin blue frame or dotted
// rectangle is lost on the window blue. Dark shows on the blue and on the
// controls' white alike.
class FocusMarkStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameGroupBox && onFusion()) {
            drawFusionGroupFrame(option, painter, widget);
            return;
        }
        // Fusion draws a button's panel into a transparent picture itself,
        // keyed by palette: shared here by all buttons that look alike.
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element == PE_PanelButtonCommand && button != nullptr &&
            qobject_cast<const QPushButton*>(widget) != nullptr && onFusion()) {
            drawThroughCache(QStringLiteral("button-%1").arg(uint(button->features)), *button,
                             painter, [&](const QStyleOptionButton& local, QPainter* p) {
                                 QProxyStyle::drawPrimitive(element, &local, p, widget);
                             });
            return;
        }
        const auto* box = qstyleoption_cast<const QStyleOptionFrame*>(option);
        const QColor ground = element == PE_PanelLineEdit && box != nullptr && onFusion()
                                  ? groundBeneath(widget)
                                  : QColor();
        if (ground.isValid()) {
            const QString kind = QStringLiteral("box-%1-%2-%3")
                                     .arg(box->lineWidth)
                                     .arg(uint(box->features))
                                     .arg(ground.rgba(), 0, 16);
            drawThroughCache(
                kind, *box, painter,
                [&](const QStyleOptionFrame& local, QPainter* p) {
                    QProxyStyle::drawPrimitive(element, &local, p, widget);
                },
                ground);
        } else {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
        if (element == PE_PanelLineEdit) {
            mark(option, painter);
        }
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton) {
            mark(option, painter);
        }
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* list = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (control == CC_ComboBox && list != nullptr && !list->editable && onFusion()) {
            const QString kind = QStringLiteral("list-%1-%2-%3")
                                     .arg(int(list->frame))
                                     .arg(uint(list->subControls))
                                     .arg(uint(list->activeSubControls));
            drawThroughCache(kind, *list, painter,
                             [&](const QStyleOptionComboBox& local, QPainter* p) {
                                 QProxyStyle::drawComplexControl(control, &local, p, widget);
                             });
        } else {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
        }
        if (control == CC_ComboBox) {
            mark(option, painter);
        }
    }

  private:
    // What is drawn here in place of the base style is Fusion's, checked
    // pixel for pixel against it; other styles draw for themselves.
    bool onFusion() const {
        return baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    }

    // The colour a text box stands on, where it is sure: that of the nearest
    // widget behind it that fills its background, with nothing but plain
    // containers between, or group frames of this style that hold the box
    // well inside their edges (they tint their inside). Invalid where
    // anything else may show beneath the box.
    QColor groundBeneath(const QWidget* widget) const {
        if (widget == nullptr) {
            return {};
        }
        for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
            if (w->isWindow() || w->autoFillBackground()) {
                const QColor colour = w->palette().color(w->backgroundRole());
                return colour.alpha() == 255 ? colour : QColor();
            }
            if (w == widget || w->metaObject() == &QWidget::staticMetaObject) {
                continue;
            }
            const auto* group = qobject_cast<const QGroupBox*>(w);
            if (group == nullptr) {
                return {};
            }
            const QRect box(widget->mapTo(group, QPoint(0, 0)), widget->size());
            if (!groupFrameInside(group).contains(box)) {
                return {};
            }
            const QColor beneath = groundBeneath(group);
            return beneath.isValid() ? TintedByGroupFrame(beneath) : QColor();
        }
        return {};
    }

    // Draws a control's frame through a picture shared by all controls that
    // look alike (size, state, colours): drawing one costs far more than
    // copying it. The base style keeps such pictures itself, but keyed by
    // palette, and every control holds a palette of its own, so it draws each
    // anew. A frame with rounded corners blends its edges into what lies
    // beneath: its picture starts as that `ground`, so that the copy is what
    // drawing on the window gives, pixel for pixel; without a ground the
    // picture starts transparent.
    template <typename Option, typename Draw>
    static void drawThroughCache(const QString& kind, const Option& option, QPainter* painter,
                                 const Draw& draw, const QColor& ground = QColor()) {
        const QPaintDevice* device = painter->device();
        if (device == nullptr || option.rect.isEmpty() ||
            painter->transform().type() > QTransform::TxTranslate || painter->opacity() != 1.0 ||
            painter->compositionMode() != QPainter::CompositionMode_SourceOver) {
            draw(option, painter);
            return;
        }
        const qreal ratio = device->devicePixelRatio();
        // Every colour of the palette, as raw bytes: cheaper than text.
        QByteArray colours;
        colours.reserve(int(QPalette::NColorGroups) * int(QPalette::NColorRoles) *
                        int(sizeof(QRgb)));
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const QRgb rgba =
                    option.palette.color(QPalette::ColorGroup(group), QPalette::ColorRole(role))
                        .rgba();
                colours.append(reinterpret_cast<const char*>(&rgba), sizeof rgba);
            }
        }
        const QString key = QStringLiteral("rosmossel-%1-%2-%3-%4x%5@%6-%7-%8")
                                .arg(kind)
                                .arg(uint(option.state), 0, 16)
                                .arg(int(option.direction))
                                .arg(option.rect.width())
                                .arg(option.rect.height())
                                .arg(ratio)
                                .arg(int(option.palette.currentColorGroup()))
                                .arg(QLatin1String(colours.toBase64()));
        QPixmap picture;
        if (!QPixmapCache::find(key, &picture)) {
            picture = QPixmap(option.rect.size() * ratio);
            picture.setDevicePixelRatio(ratio);
            picture.fill(ground.isValid() ? ground : QColor(Qt::transparent));
            Option local = option;
            local.rect.moveTo(0, 0);
            QPainter picturePainter(&picture);
            draw(local, &picturePainter);
            picturePainter.end();
            QPixmapCache::insert(key, picture);
        }
        painter->drawPixmap(option.rect.topLeft(), picture);
    }

    // Fusion's group frame, drawn as Fusion draws it from its own picture, but
    // read once as the PNG it is: Fusion reads it by file name, which first
    // loads every image-format plugin to ask which one reads it.
    void drawFusionGroupFrame(const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
        qDrawBorderPixmap(painter, groupFrameRect(option->rect, option->fontMetrics, widget),
                          kGroupFrameMargins, GroupFramePicture());
    }

    // Where the group frame's picture goes within the frame's rectangle: below
    // the title, if there is one.
    QRect groupFrameRect(const QRect& frame, const QFontMetrics& metrics,
                         const QWidget* widget) const {
        constexpr int kTopMargin = 3;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        int top = kTopMargin;
        if (box == nullptr || box->isCheckable() || !box->title().isEmpty()) {
            top += qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), metrics.height());
        }
        return frame.adjusted(0, top, 0, 0);
    }

    // Inside its edges the group frame's picture is one tint, drawn over what
    // lies beneath the group: the colour that gives on `ground`.
    static QColor TintedByGroupFrame(const QColor& ground) {
        static QHash<QRgb, QColor> tints;
        const auto known = tints.constFind(ground.rgba());
        if (known != tints.constEnd()) {
            return *known;
        }
        constexpr int kSide = 32;
        QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
        image.fill(ground);
        QPainter painter(&image);
        qDrawBorderPixmap(&painter, image.rect(), kGroupFrameMargins, GroupFramePicture());
        painter.end();
        return *tints.insert(ground.rgba(), image.pixelColor(kSide / 2, kSide / 2));
    }

    // The inside of a group's frame, in the group's coordinates, as this style
    // draws it; empty where the group is drawn otherwise.
    QRect groupFrameInside(const QGroupBox* group) const {
        if (group->style() != this || group->isFlat() || !onFusion()) {
            return {};
        }
        // The frame's rectangle as the group itself asks for it.
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.lineWidth = 1;
        option.midLineWidth = 0;
        option.textAlignment = group->alignment();
        option.subControls = SC_GroupBoxFrame;
        if (group->isCheckable()) {
            option.subControls |= SC_GroupBoxCheckBox;
        }
        if (!group->title().isEmpty()) {
            option.subControls |= SC_GroupBoxLabel;
        }
        const QRect frame = subControlRect(CC_GroupBox, &option, SC_GroupBoxFrame, group);
        return groupFrameRect(frame, option.fontMetrics, group) - kGroupFrameMargins;
    }

    static QPixmap GroupFramePicture() {
        const QString key = QStringLiteral("rosmossel-group-frame");
        QPixmap picture;
        if (!QPixmapCache::find(key, &picture)) {
            QImageReader reader(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
                "png");
            reader.setAutoDetectImageFormat(false);
            picture = QPixmap::fromImage(reader.read());
            QPixmapCache::insert(key, picture);
        }
        return picture;
    }

    static void mark(const QStyleOption* option, QPainter* painter) {
        if (!(option->state & State_HasFocus) || !(option->state & State_Enabled)) {
            return;
        }
        const QRect r = option->rect;
        const int w = kFocusMarkWidth;
        for (const QRect& edge : {QRect(r.left(), r.top(), r.width(), w),
                                  QRect(r.left(), r.bottom() - w + 1, r.width(), w),
                                  QRect(r.left(), r.top(), w, r.height()),
                                  QRect(r.right() - w + 1, r.top(), w, r.height())}) {
            painter->fillRect(edge, kFocusMark);
        }
    }
};

// The interface font by families: Windows' own dialog fonts, then the free
// sans fonts Wine finds on the host. Without Tahoma (Wine without its fonts)
// Windows would stand in a font whose glyph extents push the text out of
// the text boxes.
void UseInterfaceFont() {
#ifdef Q_OS_WIN
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"),
                      QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Noto Sans"), QStringLiteral("FreeSans")});
    QApplication::setFont(font);
#endif
}

} // namespace

QImage DrawApplicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 256-unit square.
    p.scale(size / 256.0, size / 256.0);
    // Tile in the dialog blue.
    p.setPen(QPen(QColor(255, 255, 255), 8));
    p.setBrush(kDialogBackground);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    // Strap behind the camera.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 52, 34));
    p.drawRect(QRectF(12, 112, 232, 34));
    // Olive camera body with camouflage patches.
    p.setBrush(QColor(92, 112, 62));
    p.setPen(QPen(QColor(46, 58, 32), 6));
    p.drawRoundedRect(QRectF(58, 40, 140, 180), 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(122, 140, 80));
    p.drawEllipse(QRectF(70, 170, 46, 30));
    p.drawEllipse(QRectF(140, 58, 40, 26));
    p.setBrush(QColor(70, 86, 46));
    p.drawEllipse(QRectF(146, 176, 36, 26));
    // Motion-sensor window.
    p.setBrush(QColor(236, 236, 226));
    p.drawRoundedRect(QRectF(96, 168, 64, 34), 12, 12);
    // Lens.
    p.setBrush(QColor(30, 30, 34));
    p.setPen(QPen(QColor(200, 204, 210), 7));
    p.drawEllipse(QPointF(128, 112), 38, 38);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 90, 150));
    p.drawEllipse(QPointF(128, 112), 20, 20);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(119, 103), 7, 7);
    // Status light.
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QPointF(84, 62), 7, 7);
    return image;
}

QIcon ApplicationIcon() {
    // Once set for the application, share its images.
    QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull()) {
        return icon;
    }
    // Drawn rather than decoded: reading an image file first scans the
    // image-format plugins, which costs more than the rest of start-up.
    for (int size : {16, 32, 64}) {
        icon.addPixmap(QPixmap::fromImage(DrawApplicationIcon(size)));
    }
    return icon;
}

void ApplyApplicationLook(QApplication& app) {
    if (dynamic_cast<FocusMarkStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new FocusMarkStyle(QApplication::style()->name()));
    }
    UseInterfaceFont();
    QPalette palette = app.palette();
    palette.setColor(QPalette::Window, kDialogBackground);
    palette.setColor(QPalette::WindowText, kDialogText);
    // Disabled labels stay readable on the blue, but visibly dimmer.
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(205, 218, 242));
    app.setPalette(palette);
    QApplication::setWindowIcon(ApplicationIcon());
}

} // namespace rosmossel
