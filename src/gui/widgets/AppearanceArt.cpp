#include "widgets/AppearanceArt.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace
{

using appearance::kPictureSize;

// Drawn four times larger and scaled down: at 40 pixels a one-pixel eye or brow drawn
// directly snaps to the grid and the faces stop looking alike in the right way.
constexpr int kOversample = 4;

QPixmap render(const std::function<void(QPainter&)>& draw)
{
    QImage image(kPictureSize * kOversample, kPictureSize * kOversample, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kOversample, kOversample);
        draw(p);
    }
    return QPixmap::fromImage(
        image.scaled(kPictureSize, kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QColor outlineOf(const QColor& c)
{
    return c.darker(190);
}

// --- The head every picture is built on --------------------------------------------------

// Where the parts of a head sit; the hair pictures use a smaller head so that tall and
// wide styles fit, the face and beard pictures a larger one so that features read.
struct CHead
{
    QRectF face;
    double eyeY = 0, eyeDx = 0, noseY = 0, mouthY = 0;
    double cx() const { return face.center().x(); }
};

CHead smallHead()
{
    CHead h;
    h.face = QRectF(11, 11, 18, 23);
    h.eyeY = 21.5;
    h.eyeDx = 4;
    h.noseY = 25;
    h.mouthY = 29;
    return h;
}

CHead largeHead()
{
    CHead h;
    h.face = QRectF(8.5, 6, 23, 30);
    h.eyeY = 18.5;
    h.eyeDx = 5;
    h.noseY = 23.5;
    h.mouthY = 29;
    return h;
}

void drawNeck(QPainter& p, const CHead& h, const QColor& skin)
{
    p.setPen(QPen(outlineOf(skin), 0.6));
    p.setBrush(skin.darker(112));
    const double w = h.face.width() * 0.38;
    p.drawRect(QRectF(h.cx() - w / 2, h.face.bottom() - 4, w, 40 - h.face.bottom() + 4));
}

void drawEars(QPainter& p, const CHead& h, const QColor& skin)
{
    p.setPen(QPen(outlineOf(skin), 0.6));
    p.setBrush(skin);
    const double earH = h.face.height() * 0.26;
    const double y = h.eyeY - 1.5;
    p.drawEllipse(QRectF(h.face.left() - 1.8, y, 4, earH));
    p.drawEllipse(QRectF(h.face.right() - 2.2, y, 4, earH));
}

void drawFaceShape(QPainter& p, const QPainterPath& shape, const QColor& skin)
{
    p.setPen(QPen(outlineOf(skin), 0.7));
    p.setBrush(skin);
    p.drawPath(shape);
}

QPainterPath ovalFace(const CHead& h)
{
    QPainterPath path;
    path.addEllipse(h.face);
    return path;
}

void drawSimpleFeatures(QPainter& p, const CHead& h, const QColor& skin)
{
    const QColor ink(45, 30, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(h.cx() - h.eyeDx, h.eyeY), 1.1, 1.2);
    p.drawEllipse(QPointF(h.cx() + h.eyeDx, h.eyeY), 1.1, 1.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outlineOf(skin), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(h.cx(), h.noseY - 2.5), QPointF(h.cx() - 0.8, h.noseY));
    p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mouth;
    mouth.moveTo(h.cx() - 2.6, h.mouthY - 0.5);
    mouth.quadTo(h.cx(), h.mouthY + 1.2, h.cx() + 2.6, h.mouthY - 0.5);
    p.drawPath(mouth);
}

// The part of a shape above a line: most hair is the outline of the head grown a little
// and cut off at the hairline.
QPainterPath above(const QPainterPath& shape, double y)
{
    QPainterPath cut;
    cut.addRect(QRectF(-10, -10, 60, y + 10));
    return shape.intersected(cut);
}

QPainterPath grownHead(const CHead& h, double by)
{
    QPainterPath path;
    path.addEllipse(h.face.adjusted(-by, -by, by, by));
    return path;
}

void fillHair(QPainter& p, const QPainterPath& path, const QColor& hair)
{
    p.setPen(QPen(outlineOf(hair), 0.6));
    p.setBrush(hair);
    p.drawPath(path);
}

// A short cap following the skull, down to the top of the ears at the sides.
QPainterPath capHair(const CHead& h, double thickness, double hairline)
{
    QPainterPath cap = above(grownHead(h, thickness), h.eyeY - 1);
    // The forehead stays clear below the hairline, the temples keep their hair.
    QPainterPath forehead;
    forehead.addEllipse(QRectF(h.cx() - h.face.width() * 0.36, hairline, h.face.width() * 0.72, 30));
    return cap.subtracted(forehead);
}

void spikes(QPainterPath& path, double left, double right, double base, double height, int count)
{
    const double step = (right - left) / count;
    for (int i = 0; i < count; ++i)
    {
        const double x = left + i * step;
        const double lean = (i - (count - 1) / 2.0) * 0.6;
        QPolygonF tip;
        tip << QPointF(x, base) << QPointF(x + step / 2 + lean, base - height - (i % 2) * 1.5)
            << QPointF(x + step, base);
        path.addPolygon(tip);
        path.closeSubpath();
    }
}

// --- Hair ------------------------------------------------------------------------------

void drawHair(QPainter& p, int model, const QColor& hair, const QColor& skin)
{
    const CHead h = smallHead();
    const double cx = h.cx();
    const double top = h.face.top();

    // Hair that falls behind the head is drawn before it.
    switch (model)
    {
    case 5:  // long and straight, down to the shoulders
    {
        QPainterPath back;
        back.addRoundedRect(QRectF(h.face.left() - 3, top - 1.5, h.face.width() + 6, 30), 8, 8);
        fillHair(p, back, hair);
        break;
    }
    case 7:  // afro
    {
        QPainterPath puff;
        puff.addEllipse(QRectF(cx - 17, top - 9, 34, 30));
        fillHair(p, puff, hair);
        break;
    }
    case 10:  // ponytail, seen hanging behind the right ear
    {
        QPainterPath tail;
        tail.moveTo(h.face.right() - 3, top + 6);
        tail.cubicTo(h.face.right() + 8, top + 6, h.face.right() + 8, top + 20, h.face.right() + 4, top + 27);
        tail.cubicTo(h.face.right() + 2, top + 20, h.face.right() + 1, top + 14, h.face.right() - 3, top + 10);
        tail.closeSubpath();
        fillHair(p, tail, hair);
        break;
    }
    case 11:  // dreadlocks
    {
        p.setPen(QPen(outlineOf(hair), 2.6, Qt::SolidLine, Qt::RoundCap));
        const double xs[] = {h.face.left() - 1.5, h.face.left() + 1, h.face.right() - 1, h.face.right() + 1.5};
        for (const double x : xs) p.drawLine(QPointF(x, top + 4), QPointF(x + (x < cx ? -0.8 : 0.8), top + 25));
        p.setPen(QPen(hair, 1.8, Qt::SolidLine, Qt::RoundCap));
        for (const double x : xs) p.drawLine(QPointF(x, top + 4), QPointF(x + (x < cx ? -0.8 : 0.8), top + 25));
        break;
    }
    default:
        break;
    }

    drawNeck(p, h, skin);
    drawEars(p, h, skin);
    drawFaceShape(p, ovalFace(h), skin);
    drawSimpleFeatures(p, h, skin);

    switch (model)
    {
    case 0:  // short crop, a straight hairline high on the forehead
        fillHair(p, above(grownHead(h, 1.2), top + 3.2).united(capHair(h, 1.2, top + 3.2)), hair);
        break;
    case 1:  // buzz cut: the skull shows through
    {
        QColor shade = hair;
        shade.setAlpha(120);
        p.setPen(Qt::NoPen);
        p.setBrush(shade);
        p.drawPath(capHair(h, 0.6, top + 4.5));
        break;
    }
    case 2:  // bald, with the light on the crown
    {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawEllipse(QRectF(cx - 5, top + 1.5, 6, 3));
        break;
    }
    case 3:  // receding: only the sides and the back are left
    {
        QPainterPath sides = capHair(h, 1.4, top + 5);
        QPainterPath crown;
        crown.addEllipse(QRectF(cx - 8, top - 4, 16, 12));
        fillHair(p, sides.subtracted(crown), hair);
        break;
    }
    case 4:  // side parting: a long fringe swept across to one brow
    {
        QPainterPath cap = capHair(h, 1.8, top + 4);
        QPainterPath sweep;
        sweep.moveTo(h.face.left() - 1.5, top + 3);
        sweep.quadTo(cx - 4, top - 1, cx - 3, top + 1);
        sweep.cubicTo(cx + 1, top + 6, cx + 5, top + 8, h.face.right() + 1.2, h.eyeY - 2.8);
        sweep.lineTo(h.face.right() + 2, top + 2);
        sweep.quadTo(cx, top - 4, h.face.left() - 1.5, top + 3);
        sweep.closeSubpath();
        fillHair(p, cap.united(sweep), hair);
        // The parting, well to one side.
        p.setPen(QPen(skin, 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 4, top - 1.1), QPointF(cx - 3.2, top + 1.6));
        break;
    }
    case 5:  // long: the top, parted in the middle, over the hair behind
    {
        QPainterPath cap = above(grownHead(h, 1.8), top + 7);
        QPainterPath curtains;
        curtains.moveTo(cx, top + 1);
        curtains.quadTo(h.face.left() + 1, top + 3, h.face.left() + 0.5, top + 16);
        curtains.lineTo(h.face.left() - 2, top + 16);
        curtains.lineTo(h.face.left() - 2, top);
        curtains.closeSubpath();
        curtains.moveTo(cx, top + 1);
        curtains.quadTo(h.face.right() - 1, top + 3, h.face.right() - 0.5, top + 16);
        curtains.lineTo(h.face.right() + 2, top + 16);
        curtains.lineTo(h.face.right() + 2, top);
        curtains.closeSubpath();
        fillHair(p, cap.united(curtains), hair);
        break;
    }
    case 6:  // curls: a bumpy cap
    {
        QPainterPath curls = capHair(h, 1.5, top + 5);
        for (int i = 0; i < 7; ++i)
        {
            const double a = std::numbers::pi * (0.05 + 0.9 * i / 6.0);
            const QPointF c(cx - std::cos(a) * (h.face.width() / 2 + 0.5), top + h.face.height() / 2 - 3
                                                                                  - std::sin(a) * (h.face.height() / 2 + 0.5));
            QPainterPath curl;
            curl.addEllipse(c, 3.2, 3.2);
            curls = curls.united(curl);
        }
        fillHair(p, above(curls, h.eyeY - 1.5), hair);
        break;
    }
    case 7:  // afro: the front edge over the forehead
    {
        QPainterPath front = above(grownHead(h, 2), top + 4);
        fillHair(p, front, hair);
        break;
    }
    case 8:  // spikes all over
    {
        QPainterPath spiky = capHair(h, 1.2, top + 5);
        spikes(spiky, h.face.left() - 0.5, h.face.right() + 0.5, top + 3.5, 7, 6);
        fillHair(p, spiky, hair);
        break;
    }
    case 9:  // mohawk: a ridge down the middle, shaved sides
    {
        QPainterPath ridge;
        spikes(ridge, cx - 3.5, cx + 3.5, top + 3, 7, 3);
        ridge.addRect(QRectF(cx - 3.5, top - 0.5, 7, 4));
        fillHair(p, ridge, hair);
        break;
    }
    case 10:  // ponytail: slicked back on top
        fillHair(p, capHair(h, 1.0, top + 4), hair);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawEllipse(QPointF(h.face.right() + 2.8, top + 8.5), 1.6, 1.6);
        break;
    case 11:  // dreadlocks: a knotted top
    {
        QPainterPath cap = capHair(h, 1.8, top + 5);
        fillHair(p, cap, hair);
        p.setPen(QPen(outlineOf(hair), 0.6));
        for (int i = 0; i < 4; ++i) p.drawLine(QPointF(cx - 6 + i * 4, top - 1.2), QPointF(cx - 7 + i * 4.5, top + 4));
        break;
    }
    case 12:  // flat top: a square block
    {
        QPainterPath block;
        block.addRect(QRectF(h.face.left() + 0.5, top - 6, h.face.width() - 1, 10));
        fillHair(p, block.united(capHair(h, 1.2, top + 4)), hair);
        break;
    }
    case 13:  // bowl cut: a full round bowl, straight across the brow and over the ears
    {
        QPainterPath bowl;
        bowl.addEllipse(QRectF(h.face.left() - 3.5, top - 3.5, h.face.width() + 7, 24));
        fillHair(p, above(bowl, h.eyeY - 2.4), hair);
        p.setPen(QPen(outlineOf(hair), 0.5));
        for (int i = 1; i < 6; ++i)
        {
            const double x = h.face.left() - 1 + i * (h.face.width() + 2) / 6;
            p.drawLine(QPointF(x, h.eyeY - 5.5), QPointF(x, h.eyeY - 2.6));
        }
        break;
    }
    default:
        break;
    }
}

// --- Faces -----------------------------------------------------------------------------

enum class CEyes { Dots, Open, Narrow, Smiling, Tired };
enum class CMouth { Smile, Grin, Straight, Small, Lips, Open };
enum class CShape { Oval, Round, Square, Long, Pointed };
enum class CBrows { Light, Straight, Angry, Arched, Heavy };

struct CFaceLook
{
    CShape shape;
    CEyes eyes;
    CBrows brows;
    double noseSize;  // 1 is an ordinary nose
    CMouth mouth;
    bool cheeks = false;
};

// Nine faces that differ in more than one feature each, so that two neighbours in the
// list never look the same at a glance.
const CFaceLook kFaces[appearance::kFaceModels] = {
    {CShape::Oval, CEyes::Dots, CBrows::Light, 1.0, CMouth::Smile},
    {CShape::Round, CEyes::Open, CBrows::Arched, 0.8, CMouth::Grin, true},
    {CShape::Square, CEyes::Narrow, CBrows::Straight, 1.2, CMouth::Straight},
    {CShape::Long, CEyes::Dots, CBrows::Angry, 1.5, CMouth::Small},
    {CShape::Oval, CEyes::Open, CBrows::Straight, 1.3, CMouth::Lips},
    {CShape::Pointed, CEyes::Smiling, CBrows::Arched, 0.8, CMouth::Smile},
    {CShape::Square, CEyes::Dots, CBrows::Heavy, 1.6, CMouth::Straight},
    {CShape::Round, CEyes::Smiling, CBrows::Light, 1.0, CMouth::Open, true},
    {CShape::Long, CEyes::Tired, CBrows::Straight, 1.1, CMouth::Lips},
};

QPainterPath faceOutline(const CHead& h, CShape shape)
{
    const QRectF f = h.face;
    QPainterPath path;
    switch (shape)
    {
    case CShape::Round:
        path.addEllipse(f.adjusted(-1.5, 2, 1.5, 0));
        break;
    case CShape::Square:
        path.addRoundedRect(f.adjusted(-0.5, 0, 0.5, 0), 8, 9);
        break;
    case CShape::Long:
        path.addEllipse(f.adjusted(2, -1, -2, 1.5));
        break;
    case CShape::Pointed:
        path.moveTo(f.left(), f.top() + f.height() * 0.42);
        path.cubicTo(f.left(), f.top() - 2, f.right(), f.top() - 2, f.right(), f.top() + f.height() * 0.42);
        path.cubicTo(f.right(), f.top() + f.height() * 0.75, h.cx() + 3, f.bottom(), h.cx(), f.bottom() + 0.5);
        path.cubicTo(h.cx() - 3, f.bottom(), f.left(), f.top() + f.height() * 0.75, f.left(), f.top() + f.height() * 0.42);
        path.closeSubpath();
        break;
    case CShape::Oval:
        path.addEllipse(f);
        break;
    }
    return path;
}

void drawFaceFeatures(QPainter& p, const CHead& h, const CFaceLook& look, const QColor& skin)
{
    const QColor ink(40, 28, 22);
    const double cx = h.cx();
    const double dx = look.shape == CShape::Long ? h.eyeDx - 0.7 : h.eyeDx;

    if (look.cheeks)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 110, 110, 90));
        p.drawEllipse(QPointF(cx - dx - 1.5, h.noseY + 1.5), 2.6, 1.8);
        p.drawEllipse(QPointF(cx + dx + 1.5, h.noseY + 1.5), 2.6, 1.8);
    }

    // Eyes
    for (const int side : {-1, 1})
    {
        const QPointF eye(cx + side * dx, h.eyeY);
        switch (look.eyes)
        {
        case CEyes::Dots:
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(eye, 1.3, 1.4);
            break;
        case CEyes::Open:
            p.setPen(QPen(ink, 0.5));
            p.setBrush(Qt::white);
            p.drawEllipse(eye, 2.4, 1.7);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 90, 140));
            p.drawEllipse(eye, 1.1, 1.1);
            p.setBrush(ink);
            p.drawEllipse(eye, 0.5, 0.5);
            break;
        case CEyes::Narrow:
            p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(eye + QPointF(-1.8, 0), eye + QPointF(1.8, 0));
            break;
        case CEyes::Smiling:
        {
            p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath arc;
            arc.moveTo(eye + QPointF(-1.9, 0.6));
            arc.quadTo(eye + QPointF(0, -1.6), eye + QPointF(1.9, 0.6));
            p.drawPath(arc);
            break;
        }
        case CEyes::Tired:
        {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(eye, 1.2, 0.9);
            p.setPen(QPen(outlineOf(skin), 0.5));
            p.setBrush(Qt::NoBrush);
            QPainterPath bag;
            bag.moveTo(eye + QPointF(-1.8, 1.4));
            bag.quadTo(eye + QPointF(0, 2.8), eye + QPointF(1.8, 1.4));
            p.drawPath(bag);
            break;
        }
        }
    }

    // Brows
    const QColor browColour(70, 45, 30);
    for (const int side : {-1, 1})
    {
        const double x = cx + side * dx;
        const double y = h.eyeY - 3.2;
        p.setBrush(Qt::NoBrush);
        switch (look.brows)
        {
        case CBrows::Light:
            p.setPen(QPen(browColour, 0.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - 1.8, y), QPointF(x + 1.8, y));
            break;
        case CBrows::Straight:
            p.setPen(QPen(browColour, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - 2.2, y), QPointF(x + 2.2, y));
            break;
        case CBrows::Angry:
            p.setPen(QPen(browColour, 1.0, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - side * 2.2, y - 1.2), QPointF(x + side * 2.2 - side * 4.0, y + 0.6));
            break;
        case CBrows::Arched:
        {
            p.setPen(QPen(browColour, 0.8, Qt::SolidLine, Qt::RoundCap));
            QPainterPath arch;
            arch.moveTo(x - 2.2, y + 0.4);
            arch.quadTo(x, y - 1.8, x + 2.2, y + 0.4);
            p.drawPath(arch);
            break;
        }
        case CBrows::Heavy:
            p.setPen(QPen(browColour, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - 2.2, y + 0.3), QPointF(x + 2.2, y + 0.3));
            break;
        }
    }

    // Nose: a line down and a small base, wider for a bigger nose.
    const double n = look.noseSize;
    p.setPen(QPen(outlineOf(skin), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(cx - 0.3, h.noseY - 3.2 * n);
    nose.lineTo(cx - 1.2 * n, h.noseY);
    nose.quadTo(cx, h.noseY + 1.0 * n, cx + 1.4 * n, h.noseY - 0.2);
    p.drawPath(nose);

    // Mouth
    const double my = look.shape == CShape::Long ? h.mouthY + 0.8 : h.mouthY;
    switch (look.mouth)
    {
    case CMouth::Smile:
    {
        p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
        QPainterPath m;
        m.moveTo(cx - 3.2, my - 0.8);
        m.quadTo(cx, my + 1.8, cx + 3.2, my - 0.8);
        p.drawPath(m);
        break;
    }
    case CMouth::Grin:
    {
        p.setPen(QPen(ink, 0.6));
        p.setBrush(Qt::white);
        QPainterPath m;
        m.moveTo(cx - 4, my - 1);
        m.lineTo(cx + 4, my - 1);
        m.quadTo(cx, my + 3.5, cx - 4, my - 1);
        p.drawPath(m);
        break;
    }
    case CMouth::Straight:
        p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 3, my), QPointF(cx + 3, my));
        break;
    case CMouth::Small:
        p.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 1.5, my), QPointF(cx + 1.5, my));
        break;
    case CMouth::Lips:
        p.setPen(QPen(QColor(120, 50, 45), 0.5));
        p.setBrush(QColor(190, 95, 90));
        p.drawEllipse(QPointF(cx, my), 3.2, 1.4);
        p.drawLine(QPointF(cx - 3.2, my), QPointF(cx + 3.2, my));
        break;
    case CMouth::Open:
        p.setPen(QPen(ink, 0.6));
        p.setBrush(QColor(110, 30, 30));
        p.drawEllipse(QPointF(cx, my), 1.8, 2.0);
        break;
    }

    // A square jaw with heavy brows gets the lines of a harder face.
    if (look.shape == CShape::Square && look.brows == CBrows::Heavy)
    {
        p.setPen(QPen(outlineOf(skin), 0.5));
        p.drawLine(QPointF(cx - dx - 2.5, h.noseY + 0.5), QPointF(cx - dx - 1.5, h.mouthY + 1));
        p.drawLine(QPointF(cx + dx + 2.5, h.noseY + 0.5), QPointF(cx + dx + 1.5, h.mouthY + 1));
    }
}

// The face and beard pictures share one short haircut, kept in the background, so that
// the eye goes to what differs.
void drawPlainHair(QPainter& p, const CHead& h, const QPainterPath& outline)
{
    QColor hair(95, 75, 60);
    QPainterPath grown = outline;
    QTransform t;
    t.translate(h.cx(), h.face.center().y());
    t.scale(1.08, 1.06);
    t.translate(-h.cx(), -h.face.center().y());
    grown = t.map(outline);
    QPainterPath cap = above(grown, h.eyeY - 4.5);
    QPainterPath forehead;
    forehead.addEllipse(QRectF(h.cx() - h.face.width() * 0.36, h.face.top() + 4.5, h.face.width() * 0.72, 30));
    fillHair(p, cap.subtracted(forehead), hair);
}

void drawFace(QPainter& p, int model, const QColor& skin)
{
    const CHead h = largeHead();
    const CFaceLook& look = kFaces[model];
    const QPainterPath outline = faceOutline(h, look.shape);
    drawNeck(p, h, skin);
    drawEars(p, h, skin);
    drawFaceShape(p, outline, skin);
    drawPlainHair(p, h, outline);
    drawFaceFeatures(p, h, look, skin);
}

// --- Facial hair -----------------------------------------------------------------------

void drawFacialHair(QPainter& p, int model, const QColor& hair, const QColor& skin)
{
    const CHead h = largeHead();
    const CFaceLook plain{CShape::Oval, CEyes::Dots, CBrows::Straight, 1.0, CMouth::Straight};
    const QPainterPath outline = faceOutline(h, plain.shape);
    drawNeck(p, h, skin);
    drawEars(p, h, skin);
    drawFaceShape(p, outline, skin);
    drawPlainHair(p, h, outline);
    drawFaceFeatures(p, h, plain, skin);

    const double cx = h.cx();
    const double my = h.mouthY;
    // The jaw: the face below a line under the cheekbones.
    QPainterPath jawCut;
    jawCut.addRect(QRectF(0, h.noseY - 1, 40, 40));
    const QPainterPath jaw = outline.intersected(jawCut);

    QPainterPath moustache;
    moustache.moveTo(cx - 4.2, my + 0.2);
    moustache.quadTo(cx - 3, my - 3.3, cx, my - 2.2);
    moustache.quadTo(cx + 3, my - 3.3, cx + 4.2, my + 0.2);
    moustache.quadTo(cx, my - 1.0, cx - 4.2, my + 0.2);
    moustache.closeSubpath();

    QPainterPath goatee;
    goatee.addRoundedRect(QRectF(cx - 2.8, my + 1.6, 5.6, h.face.bottom() - my - 1.2), 2.5, 2.5);
    goatee = goatee.intersected(outline);

    QPainterPath mouthGap;
    mouthGap.addEllipse(QPointF(cx, my), 3.4, 1.0);

    switch (model)
    {
    case 0:  // clean-shaven
        break;
    case 1:  // moustache
        fillHair(p, moustache, hair);
        break;
    case 2:  // goatee
        fillHair(p, goatee, hair);
        break;
    case 3:  // full beard with moustache
    {
        QPainterPath beard = jaw;
        QPainterPath cheeks;
        cheeks.addEllipse(QRectF(cx - 7, h.noseY - 4, 14, 6.5));
        beard = beard.subtracted(cheeks).subtracted(mouthGap).united(moustache);
        fillHair(p, beard, hair);
        break;
    }
    case 4:  // stubble: a shadow of the jaw, dotted
    {
        QColor shadow = hair;
        shadow.setAlpha(85);
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        QPainterPath cheeks;
        cheeks.addEllipse(QRectF(cx - 7, h.noseY - 4, 14, 6.5));
        p.drawPath(jaw.subtracted(cheeks).subtracted(mouthGap));
        QColor dot = hair;
        dot.setAlpha(170);
        p.setBrush(dot);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 9; ++x)
            {
                const QPointF at(cx - 8 + x * 2 + (y % 2), h.noseY + 3 + y * 2);
                if (jaw.contains(at) && !mouthGap.contains(at) && !cheeks.contains(at)) p.drawEllipse(at, 0.35, 0.35);
            }
        break;
    }
    case 5:  // sideburns running into a chin strap
    {
        QPainterPath inner = outline;
        QTransform t;
        t.translate(cx, h.face.center().y() - 1.2);
        t.scale(0.82, 0.9);
        t.translate(-cx, -(h.face.center().y() - 1.2));
        inner = t.map(outline);
        QPainterPath strapZone;
        strapZone.addRect(QRectF(0, h.eyeY, 40, 40));
        fillHair(p, outline.subtracted(inner).intersected(strapZone), hair);
        break;
    }
    case 6:  // moustache and goatee
        fillHair(p, moustache.united(goatee), hair);
        break;
    default:
        break;
    }
}

}  // namespace

namespace appearance
{
QColor defaultSkin()
{
    return {232, 186, 148};
}
QColor defaultHair()
{
    return {96, 60, 34};
}
}  // namespace appearance

QPixmap hairPicture(int model, const QColor& hair, const QColor& skin)
{
    if (model < 0 || model >= appearance::kHairModels) return render([](QPainter&) {});
    return render([&](QPainter& p) { drawHair(p, model, hair, skin); });
}

QPixmap facePicture(int model, const QColor& skin)
{
    if (model < 0 || model >= appearance::kFaceModels) return render([](QPainter&) {});
    return render([&](QPainter& p) { drawFace(p, model, skin); });
}

QPixmap facialHairPicture(int model, const QColor& hair, const QColor& skin)
{
    if (model < 0 || model >= appearance::kFacialHairModels) return render([](QPainter&) {});
    return render([&](QPainter& p) { drawFacialHair(p, model, hair, skin); });
}

QList<QPixmap> hairPictures()
{
    QList<QPixmap> out;
    for (int m = 0; m < appearance::kHairModels; ++m) out << hairPicture(m);
    return out;
}

QList<QPixmap> facePictures()
{
    QList<QPixmap> out;
    for (int m = 0; m < appearance::kFaceModels; ++m) out << facePicture(m);
    return out;
}

QList<QPixmap> facialHairPictures()
{
    QList<QPixmap> out;
    for (int m = 0; m < appearance::kFacialHairModels; ++m) out << facialHairPicture(m);
    return out;
}
