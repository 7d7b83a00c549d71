#include "shell/Icons.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <functional>

namespace rw {

namespace {

using Draw = std::function<void(QPainter&)>;

// Pictures are drawn on a 16-unit grid at two sizes, 16 and 32 pixels, so
// that they stay sharp on high-density screens.
QPixmap Render(const Draw& draw, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter);
    return pixmap;
}

// A picture drawn the first time it is shown, at the size and in the state
// it is shown in: most of the window's pictures (the pages not yet opened,
// the disabled or selected looks) are never needed at all. It answers as an
// icon holding the two sizes would: the smaller size that is large enough,
// else the larger, scaled down to fit; a look the picture has no drawing
// for (disabled, or selected without a selected drawing) comes from the
// style.
class DrawnIcon : public QIconEngine {
public:
    DrawnIcon(Draw normal, Draw selected)
        : normal_(std::move(normal)), selected_(std::move(selected)) {}

    QIconEngine* clone() const override { return new DrawnIcon(normal_, selected_); }
    bool isNull() override { return false; }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = Side(size);
        QSize actual(side, side);
        if (side > size.width() || side > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        if (state != QIcon::Off || !Drawn(mode))
            return {};
        return {QSize(16, 16), QSize(32, 32)};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize actual = actualSize(size, mode, state);
        if (actual.isEmpty())
            return {};
        const quint64 key = quint64(actual.width()) << 32 | quint64(actual.height()) << 8 | mode;
        if (const auto found = made_.constFind(key); found != made_.cend())
            return *found;
        const bool own = Drawn(mode);
        QPixmap pixmap = Render(own && mode == QIcon::Selected ? selected_ : normal_, Side(size));
        if (pixmap.size() != actual)
            pixmap = pixmap.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!own) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap styled =
                QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            if (!styled.isNull())
                pixmap = styled;
        }
        made_.insert(key, pixmap);
        return pixmap;
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) override {
        return pixmap(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const QPaintDevice* device = painter->device();
        const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

private:
    // Whether the picture has a drawing of its own for the look.
    bool Drawn(QIcon::Mode mode) const {
        return mode == QIcon::Normal || (mode == QIcon::Selected && selected_);
    }
    static int Side(const QSize& size) { return size.width() * size.height() <= 16 * 16 ? 16 : 32; }

    Draw normal_;
    Draw selected_;
    QHash<quint64, QPixmap> made_;
};

QIcon Make(Draw draw, Draw selected = {}) {
    return QIcon(new DrawnIcon(std::move(draw), std::move(selected)));
}

QPen Outline(const QColor& colour, qreal width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Folder(QPainter& p, const QColor& fill, const QColor& line, bool open) {
    p.setPen(Outline(line));
    p.setBrush(fill.darker(115));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.5, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(fill);
    QPainterPath front;
    if (open) {
        front.moveTo(3.5, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
        front.lineTo(1.5, 13.5);
    } else {
        front.moveTo(1.5, 6.5);
        front.lineTo(14.5, 6.5);
        front.lineTo(14.5, 13.5);
        front.lineTo(1.5, 13.5);
    }
    front.closeSubpath();
    p.drawPath(front);
}

void Star(QPainter& p, QPointF centre, qreal radius, const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2) ? radius * 0.45 : radius;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(Outline(colour.darker(160), 0.6));
    p.setBrush(colour);
    p.drawPath(star);
}

void Page(QPainter& p, const QColor& fill, const QColor& line, const QColor& text) {
    p.setPen(Outline(line));
    p.setBrush(fill);
    QPainterPath page;
    page.moveTo(3.5, 1.5);
    page.lineTo(10, 1.5);
    page.lineTo(12.5, 4);
    page.lineTo(12.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.drawPath(page);
    p.setPen(Outline(text, 1.0));
    for (qreal y : {5.5, 8.0, 10.5})
        p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
}

void Plus(QPainter& p, QPointF centre, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, 3.6, 3.6);
    p.setPen(Outline(Qt::white, 1.4));
    p.drawLine(centre + QPointF(-2, 0), centre + QPointF(2, 0));
    p.drawLine(centre + QPointF(0, -2), centre + QPointF(0, 2));
}

void Arrow(QPainter& p, bool up) {
    QPainterPath arrow;
    const qreal tip = up ? 1.5 : 14.5;
    const qreal base = up ? 8 : 8;
    const qreal end = up ? 14.5 : 1.5;
    arrow.moveTo(8, tip);
    arrow.lineTo(14, base);
    arrow.lineTo(10.5, base);
    arrow.lineTo(10.5, end);
    arrow.lineTo(5.5, end);
    arrow.lineTo(5.5, base);
    arrow.lineTo(2, base);
    arrow.closeSubpath();
    p.setPen(Outline(QColor(20, 90, 40)));
    p.setBrush(QColor(60, 170, 80));
    p.drawPath(arrow);
}

// A free event's lightning bolt, shifted right by dx.
void Bolt(QPainter& p, qreal dx) {
    p.setPen(Outline(QColor(150, 80, 10)));
    p.setBrush(QColor(250, 170, 70));
    QPainterPath bolt;
    bolt.moveTo(9.5 + dx, 1.5);
    bolt.lineTo(3.5 + dx, 9);
    bolt.lineTo(7.5 + dx, 9);
    bolt.lineTo(6 + dx, 14.5);
    bolt.lineTo(12.5 + dx, 6.5);
    bolt.lineTo(8.5 + dx, 6.5);
    bolt.closeSubpath();
    p.drawPath(bolt);
}

const QColor kGroupYellow(245, 200, 80);
const QColor kGroupLine(150, 105, 20);
const QColor kRootBlue(70, 120, 210);
const QColor kRootLine(25, 55, 120);

} // namespace

QIcon Icons::ForNode(Node node) {
    switch (node) {
    case Node::Root:
        return Make(
            [](QPainter& p) {
                Folder(p, kRootBlue, kRootLine, false);
                Star(p, QPointF(8, 10), 3.2, QColor(255, 220, 60));
            },
            [](QPainter& p) {
                Folder(p, kRootBlue.lighter(125), kRootLine, true);
                Star(p, QPointF(8.5, 10.5), 3.2, QColor(255, 240, 120));
            });
    case Node::Group:
        return Make([](QPainter& p) { Folder(p, kGroupYellow, kGroupLine, false); },
                    [](QPainter& p) { Folder(p, kGroupYellow.lighter(115), kGroupLine, true); });
    case Node::Rule:
        return Make(
            [](QPainter& p) { Page(p, Qt::white, QColor(90, 90, 90), QColor(120, 160, 220)); },
            [](QPainter& p) {
                Page(p, QColor(255, 250, 205), QColor(40, 40, 40), QColor(220, 90, 40));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(220, 90, 40));
                p.drawEllipse(QPointF(12.5, 12.5), 2.5, 2.5);
            });
    }
    return {};
}

QIcon Icons::ForTool(Tool tool) {
    switch (tool) {
    case Tool::NewGroup:
        return Make([](QPainter& p) {
            Folder(p, kGroupYellow, kGroupLine, false);
            Plus(p, QPointF(11.5, 11.5), QColor(30, 140, 50));
        });
    case Tool::NewRule:
        return Make([](QPainter& p) {
            Page(p, Qt::white, QColor(90, 90, 90), QColor(120, 160, 220));
            Plus(p, QPointF(11.5, 11.5), QColor(30, 140, 50));
        });
    case Tool::MoveUp:
        return Make([](QPainter& p) { Arrow(p, true); });
    case Tool::MoveDown:
        return Make([](QPainter& p) { Arrow(p, false); });
    case Tool::Cut:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(70, 70, 70), 1.3));
            p.drawLine(QPointF(4.5, 1.5), QPointF(10, 10));
            p.drawLine(QPointF(11.5, 1.5), QPointF(6, 10));
            p.setPen(Outline(QColor(190, 30, 30), 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(4.5, 12), 2.4, 2.4);
            p.drawEllipse(QPointF(11.5, 12), 2.4, 2.4);
        });
    case Tool::Copy:
        return Make([](QPainter& p) {
            for (QPointF offset : {QPointF(0, 0), QPointF(4, 4)}) {
                p.setPen(Outline(QColor(60, 90, 140)));
                p.setBrush(Qt::white);
                p.drawRect(QRectF(QPointF(1.5, 1.5) + offset, QSizeF(9, 10)));
                p.setPen(Outline(QColor(120, 160, 220)));
                p.drawLine(QPointF(3.5, 5) + offset, QPointF(8.5, 5) + offset);
                p.drawLine(QPointF(3.5, 8) + offset, QPointF(8.5, 8) + offset);
            }
        });
    case Tool::Paste:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(110, 70, 30)));
            p.setBrush(QColor(200, 150, 90));
            p.drawRoundedRect(QRectF(2.5, 2.5, 10, 12), 1.2, 1.2);
            p.setBrush(QColor(160, 160, 160));
            p.drawRect(QRectF(5, 1.5, 5, 2.5));
            p.setPen(Outline(QColor(60, 90, 140)));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7.5, 7.5, 7, 7));
        });
    case Tool::Delete:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(200, 30, 30), 2.6));
            p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
            p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        });
    case Tool::AddCondition:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(40, 80, 140)));
            p.setBrush(QColor(210, 230, 255));
            p.drawRoundedRect(QRectF(1.5, 2.5, 10, 9), 2, 2);
            p.setPen(Outline(QColor(40, 80, 140), 1.2));
            p.drawText(QRectF(1.5, 2.5, 10, 9), Qt::AlignCenter, QStringLiteral("?"));
            Plus(p, QPointF(11.5, 11.5), QColor(30, 140, 50));
        });
    case Tool::ChangeCondition:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(40, 80, 140)));
            p.setBrush(QColor(210, 230, 255));
            p.drawRoundedRect(QRectF(1.5, 2.5, 10, 9), 2, 2);
            QPainterPath pencil;
            pencil.moveTo(7, 14.5);
            pencil.lineTo(7.8, 11.5);
            pencil.lineTo(13.5, 5.8);
            pencil.lineTo(15.2, 7.5);
            pencil.lineTo(9.5, 13.2);
            pencil.closeSubpath();
            p.setPen(Outline(QColor(90, 60, 10)));
            p.setBrush(QColor(240, 180, 60));
            p.drawPath(pencil);
        });
    case Tool::Undo:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(40, 80, 160), 2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(3.5, 4, 10, 9), 90 * 16, -250 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 80, 160));
            QPainterPath head;
            head.moveTo(1.5, 4.5);
            head.lineTo(7, 1.5);
            head.lineTo(7, 7.5);
            head.closeSubpath();
            p.drawPath(head);
        });
    case Tool::Launch:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(120, 20, 20)));
            p.setBrush(QColor(200, 40, 40));
            QPainterPath shield;
            shield.moveTo(8, 1.5);
            shield.lineTo(14, 3.5);
            shield.cubicTo(14, 10, 11, 13, 8, 14.5);
            shield.cubicTo(5, 13, 2, 10, 2, 3.5);
            shield.closeSubpath();
            p.drawPath(shield);
            p.setPen(Outline(QColor(255, 220, 80), 1.6));
            p.drawLine(QPointF(5, 5), QPointF(11, 11));
            p.drawLine(QPointF(11, 5), QPointF(5, 11));
        });
    }
    return {};
}

QIcon Icons::ForCondition(Condition condition) {
    switch (condition) {
    case Condition::Normal:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(30, 110, 50)));
            p.setBrush(QColor(120, 200, 120));
            p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
        });
    case Condition::Locked:
        return Make([](QPainter& p) {
            p.setPen(Outline(QColor(90, 90, 90), 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(5, 2.5, 6, 7), 0, 180 * 16);
            p.drawLine(QPointF(5, 6), QPointF(5, 7.5));
            p.drawLine(QPointF(11, 6), QPointF(11, 7.5));
            p.setPen(Outline(QColor(110, 80, 20)));
            p.setBrush(QColor(230, 180, 60));
            p.drawRect(QRectF(3.5, 7.5, 9, 7));
        });
    case Condition::Placeholder:
        return Make([](QPainter& p) {
            QPen pen = Outline(QColor(128, 128, 128));
            pen.setDashPattern({1.5, 1.5});
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
        });
    case Condition::FreeEvent:
        return Make([](QPainter& p) { Bolt(p, 0); });
    case Condition::RelatedEvent:
        return Make([](QPainter& p) {
            // The bolt moves aside for the condition's dot.
            Bolt(p, -1);
            p.setPen(Outline(QColor(30, 110, 50)));
            p.setBrush(QColor(120, 200, 120));
            p.drawEllipse(QPointF(12, 12), 3, 3);
        });
    }
    return {};
}

// The building picker's two pictures: a roofed building for the ones that
// may be built forward, a low block for economy buildings, walls and gates.
QIcon Icons::ForBuilding(BuildingPicture picture) {
    if (picture == BuildingPicture::First)
        return Make([](QPainter& p) {
            p.setPen(QPen(QColor(60, 40, 20), 1));
            p.setBrush(QColor(200, 60, 40));
            p.drawPolygon(QPolygonF({QPointF(1.5, 7.5), QPointF(8, 1.5), QPointF(14.5, 7.5)}));
            p.setBrush(QColor(230, 210, 160));
            p.drawRect(QRectF(3.5, 7.5, 9, 7));
        });
    return Make([](QPainter& p) {
        p.setPen(QPen(QColor(60, 40, 20), 1));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(1.5, 8.5, 13, 6));
        p.drawLine(QPointF(5.5, 8.5), QPointF(5.5, 14.5));
        p.drawLine(QPointF(10.5, 8.5), QPointF(10.5, 14.5));
    });
}

QIcon Icons::Application() {
    return Make([](QPainter& p) {
        p.setPen(Outline(kRootLine));
        p.setBrush(kRootBlue);
        p.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
        Page(p, Qt::white, kRootLine, QColor(220, 90, 40));
    });
}

} // namespace rw
