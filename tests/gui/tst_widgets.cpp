// The small widgets of the player and team pages: picture lists, colour buttons, the
// link picture, and our appearance artwork.
#include "GuiFixtures.h"

#include "app/Resources.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "kits/JerseyThumbnails.h"
#include "kits/KitArtwork.h"
#include "kits/KitPalette.h"
#include "kits/KitPicture.h"
#include "widgets/AppearanceArt.h"
#include "widgets/BandedFrames.h"
#include "widgets/ColourPicker.h"
#include "widgets/DragLabel.h"
#include "widgets/FormLabel.h"
#include "widgets/HyperlinkLabel.h"
#include "widgets/ListComboBox.h"
#include "widgets/PictureListBox.h"
#include "widgets/RawPicture.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>

namespace
{

QColor rgbOf(const CRgb& c)
{
    return {c.r, c.g, c.b};
}

void wheel(QWidget* target, int deltaY)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, deltaY), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// How many pixels two pictures of the same size differ in by more than a trace.
int differingPixels(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
        {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                    + std::abs(qAlpha(p) - qAlpha(q)) > 60)
                ++count;
        }
    return count;
}

// A position in a kit picture whose pixel uses the ramp of the slot (1..7).
std::optional<QPoint> pixelOfSlot(const QImage& indexed, int slot)
{
    const int first = rampFirstIndex(slot);
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x)
            if (const int i = indexed.pixelIndex(x, y); i >= first && i < first + kitpalette::kShadeCount) return QPoint(x, y);
    return std::nullopt;
}

// A row of pictures with their numbers under them, on the list background.
QLabel* strip(const QList<QPixmap>& pictures, const QString& title, int perRow = 16)
{
    int largest = 40;
    for (const QPixmap& pic : pictures) largest = std::max({largest, pic.width(), pic.height()});
    const int cell = largest + 12;
    const int rows = (int(pictures.size()) + perRow - 1) / perRow;
    QPixmap sheet(std::min(int(pictures.size()), perRow) * cell + 8, rows * (cell + 12) + 26);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    p.drawText(QRect(6, 2, sheet.width(), 20), Qt::AlignLeft | Qt::AlignVCenter, title);
    for (int i = 0; i < pictures.size(); ++i)
    {
        const QPoint at(4 + (i % perRow) * cell, 24 + (i / perRow) * (cell + 12));
        p.setPen(QColor(210, 210, 210));
        p.drawRect(QRect(at, QSize(cell - 4, cell - 4)));
        const QPixmap& pic = pictures.at(i);
        p.drawPixmap(at + QPoint((cell - 4 - pic.width()) / 2, (cell - 4 - pic.height()) / 2), pic);
        p.setPen(Qt::black);
        p.drawText(QRect(at.x(), at.y() + cell - 4, cell - 4, 12), Qt::AlignCenter, QString::number(i));
    }
    p.end();
    auto* label = new QLabel;
    label->setPixmap(sheet);
    label->resize(sheet.size());
    return label;
}

CKitColours homeKit(const CTeam& t)
{
    return {t.homeJerseyColour1, t.homeJerseyColour2, t.homeJerseyColour3, t.homeShortsColour1,
            t.homeShortsColour2, t.homeSocksColour1, t.homeSocksColour2};
}

}  // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiFixture> m_fixture;
    std::filesystem::path m_jerseys;

private slots:
    void initTestCase()
    {
        m_fixture = std::make_unique<CGuiFixture>();
        m_jerseys = m_fixture->dataFolder() / "Jerseys";
        QCOMPARE(makeJerseyThumbnails(m_fixture->gameFolder(), m_jerseys), 64);
        QVERIFY(ensureKitArtwork(m_jerseys).problem.empty());
    }
    void cleanupTestCase() { m_fixture.reset(); }

    void pictureListShowsExactlyOneCell();
    void pictureListClampsItsValue();
    void pictureListStepsOneItemByKeyWheelAndBar();
    void draggingAndSetValueAreNotSteps();
    void jerseyCellTakesTheKitColours();
    void shortsAndSocksListsUseOnlyTheirSlots();
    void missingOrBrokenKitPictureShowsTheFallbackText();
    void largerPicturesAreScaledIntoTheCell();
    void smallerPicturesAreEnlargedCrisply();
    void bandedFramesDrawTheStylesPixels();
    void colourButtonPaintsItsColour();
    void notUsedIsReportedAndStoredAsBlack();
    void popupListsTheNamedPalette();
    void linkReportsOnlyRealClicks();
    void listComboBoxIsSizedAsTheToolkitSizesIt();
    void formLabelIsSizedAsTheToolkitSizesIt();
    void appearanceModelsAreAllDifferent();
    void dragLabelIsTheNameAlone();
    void screenshots();
};

// A dragged row travels as a label one line high and about as wide as its name; a name of
// any length keeps it small.
void TestWidgets::dragLabelIsTheNameAlone()
{
    QWidget look;
    const QFontMetrics metrics(look.font());
    const QPixmap label = dragLabel(QStringLiteral("Jan Brouwer"), &look);
    const QSize size = label.deviceIndependentSize().toSize();
    QVERIFY(size.height() < 2 * metrics.height());
    QVERIFY(size.width() >= metrics.horizontalAdvance(QStringLiteral("Jan Brouwer")));
    QVERIFY(size.width() < metrics.horizontalAdvance(QStringLiteral("Jan Brouwer")) + 4 * metrics.averageCharWidth());
    const QPixmap longer = dragLabel(QString(200, QLatin1Char('W')), &look);
    QVERIFY(longer.deviceIndependentSize().width() <= 31 * metrics.averageCharWidth() + 8);
}

void TestWidgets::pictureListShowsExactlyOneCell()
{
    CPictureListBox list;
    list.setPictures(hairPictures(), QSize(40, 40));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.size(), list.sizeHint());
    QCOMPARE(list.viewport()->size(), QSize(40, 40));
    QVERIFY(list.verticalScrollBar()->isVisible());

    list.setKitPictures(CKitList::Socks, m_jerseys);
    QCOMPARE(list.viewport()->size(), QSize(64, 64));  // as large as the jerseys and shorts
    QCOMPARE(list.count(), 4);
    // Kit items carry the model number + 1, the number in the file name.
    QCOMPARE(list.itemNumber(0), 1);
    QCOMPARE(list.itemNumber(3), 4);
}

void TestWidgets::pictureListClampsItsValue()
{
    CPictureListBox list;
    QSignalSpy changed(&list, &CPictureListBox::valueChanged);
    list.setValue(3);  // nothing to show yet
    QCOMPARE(list.value(), 0);

    list.setPictures(facePictures(), QSize(40, 40));
    QCOMPARE(list.count(), appearance::kFaceModels);
    list.setValue(-4);
    QCOMPARE(list.value(), 0);
    list.setValue(99);
    QCOMPARE(list.value(), appearance::kFaceModels - 1);
    list.setValue(5);
    QCOMPARE(list.value(), 5);
    QCOMPARE(changed.count(), 2);

    // A new configuration starts at the top without reporting a change of value.
    changed.clear();
    list.setPictures(facialHairPictures(), QSize(40, 40));
    QCOMPARE(list.value(), 0);
    QCOMPARE(changed.count(), 0);
}

void TestWidgets::pictureListStepsOneItemByKeyWheelAndBar()
{
    CPictureListBox list;
    list.setPictures(hairPictures(), QSize(40, 40));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy stepped(&list, &CPictureListBox::stepped);

    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.value(), 1);
    QTest::keyClick(&list, Qt::Key_PageDown);  // a page is one item too
    QCOMPARE(list.value(), 2);
    QTest::keyClick(&list, Qt::Key_PageUp);
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(list.value(), 0);
    QCOMPARE(stepped.count(), 4);
    QCOMPARE(stepped.last().at(0).toInt(), 0);

    // Against the ends nothing moves and nothing is reported.
    QTest::keyClick(&list, Qt::Key_Up);
    QTest::keyClick(&list, Qt::Key_PageUp);
    QCOMPARE(list.value(), 0);
    QCOMPARE(stepped.count(), 4);
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(list.value(), 13);
    QTest::keyClick(&list, Qt::Key_PageDown);
    QCOMPARE(list.value(), 13);
    QCOMPARE(stepped.count(), 5);

    // One item per wheel notch, however many lines the desktop scrolls; half notches add up.
    list.setValue(5);
    wheel(list.viewport(), -120);
    QCOMPARE(list.value(), 6);
    wheel(list.viewport(), 240);
    QCOMPARE(list.value(), 4);
    wheel(list.viewport(), -60);
    QCOMPARE(list.value(), 4);
    wheel(list.viewport(), -60);
    QCOMPARE(list.value(), 5);

    // The scroll bar's arrows and track step the same way.
    stepped.clear();
    list.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    list.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(list.value(), 7);
    QCOMPARE(stepped.count(), 2);
}

void TestWidgets::draggingAndSetValueAreNotSteps()
{
    CPictureListBox list;
    list.setKitPictures(CKitList::Jersey, m_jerseys);
    QSignalSpy changed(&list, &CPictureListBox::valueChanged);
    QSignalSpy stepped(&list, &CPictureListBox::stepped);
    list.setValue(10);
    QScrollBar* bar = list.verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(20);
    bar->setSliderDown(false);
    QCOMPARE(list.value(), 20);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(stepped.count(), 0);
    // A step after a drag is reported with the value it led to.
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(stepped.count(), 1);
    QCOMPARE(stepped.last().at(0).toInt(), 21);
}

void TestWidgets::jerseyCellTakesTheKitColours()
{
    CPictureListBox list;
    list.setKitPictures(CKitList::Jersey, m_jerseys);
    QCOMPARE(list.count(), 64);
    CKitColours kit{2, 19, 22, 13, 19, 6, 22};  // Red, White, Black / Blue, White / Yellow, Black
    list.setKitColours(kit);
    list.setValue(7);

    const QImage picture = list.kitImage(7);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.format(), QImage::Format_Indexed8);
    const auto where = pixelOfSlot(picture, kitpalette::kJerseySlot1);
    QVERIFY2(where, "the sample jersey has no pixel in its first colour");
    const int shade = picture.pixelIndex(*where) - rampFirstIndex(kitpalette::kJerseySlot1);
    QCOMPARE(list.cellImage(7).pixelColor(*where), rgbOf(kitRamp(2)[std::size_t(shade)]));

    // A pixel outside the ramps keeps the file's colour whatever the kit.
    std::optional<QPoint> plain;
    for (int y = 0; y < picture.height() && !plain; ++y)
        for (int x = 0; x < picture.width() && !plain; ++x)
            if (const int i = picture.pixelIndex(x, y); i < kitpalette::kFirstRampIndex || i > kitpalette::kLastRampIndex)
                plain = QPoint(x, y);
    QVERIFY(plain);
    const QColor before = list.cellImage(7).pixelColor(*plain);

    kit[0] = 9;  // Light Green
    list.setKitColours(kit);
    QCOMPARE(list.cellImage(7).pixelColor(*where), rgbOf(kitRamp(9)[std::size_t(shade)]));
    QCOMPARE(list.cellImage(7).pixelColor(*plain), before);
}

void TestWidgets::shortsAndSocksListsUseOnlyTheirSlots()
{
    const CKitColours kitA{2, 19, 22, 13, 19, 6, 22};
    CKitColours kitB = kitA;
    kitB[0] = 10;  // only the jersey colours differ
    kitB[1] = 15;
    kitB[2] = 4;

    for (const CKitList kind : {CKitList::Shorts, CKitList::Socks})
    {
        CPictureListBox list;
        list.setKitPictures(kind, m_jerseys);
        list.setKitColours(kitA);
        const QImage a = list.kitImage(1);
        list.setKitColours(kitB);
        const QImage b = list.kitImage(1);
        QVERIFY(!a.isNull());
        QCOMPARE(a, b);

        const int slot = kind == CKitList::Shorts ? kitpalette::kShortsSlot1 : kitpalette::kSocksSlot1;
        const auto where = pixelOfSlot(a, slot);
        QVERIFY(where);
        const int shade = a.pixelIndex(*where) - rampFirstIndex(slot);
        QCOMPARE(QColor(a.pixel(*where)), rgbOf(kitRamp(kitA[std::size_t(slot - 1)])[std::size_t(shade)]));
    }
    QCOMPARE(CPictureListBox::kitPrefix(CKitList::Shorts), QStringLiteral("SHMD"));
    QCOMPARE(CPictureListBox::kitPrefix(CKitList::Socks), QStringLiteral("SKMD"));
    QCOMPARE(CPictureListBox::kitPrefix(CKitList::Jersey), QStringLiteral("MJFR"));
}

void TestWidgets::missingOrBrokenKitPictureShowsTheFallbackText()
{
    QTemporaryDir empty;
    const std::filesystem::path folder(empty.path().toStdString());
    {
        // SHMD2 exists but is no bitmap; SHMD3 is a bitmap cut short.
        std::ofstream(folder / "SHMD2.bmp") << "not a picture";
        std::vector<uint8_t> bytes = writeKitBitmap(drawShortsArtwork(2));
        bytes.resize(300);
        std::ofstream(folder / "SHMD3.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                                    std::streamsize(bytes.size()));
    }
    CPictureListBox list;
    list.setKitPictures(CKitList::Shorts, folder);
    list.setKitColours({2, 19, 22, 13, 19, 6, 22});

    for (int model : {0, 1, 2})
    {
        QVERIFY(list.kitImage(model).isNull());
        const QImage cell = list.cellImage(model);
        // What stands in for the picture is the text "Shorts <model + 1>", inside the
        // cell with a margin all round, never cut at its edge.
        int dark = 0;
        bool strayInk = false;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                if (qGray(cell.pixel(x, y)) < 80)
                {
                    ++dark;
                    strayInk = strayInk || x < 2 || y < 2 || x >= cell.width() - 2 || y >= cell.height() - 2;
                }
        QVERIFY(dark > 10);
        QVERIFY(!strayInk);
    }
    // The number in the text is the item's: the cells of different models differ.
    QVERIFY(differingPixels(list.cellImage(0), list.cellImage(1)) > 0);

    // The same list draws the file once it is there.
    std::filesystem::copy_file(m_jerseys / "SHMD1.bmp", folder / "SHMD1.bmp");
    QVERIFY(list.kitImage(0).isNull());  // remembered as missing until told
    list.reloadPictures();
    QVERIFY(!list.kitImage(0).isNull());
}

void TestWidgets::smallerPicturesAreEnlargedCrisply()
{
    // A 10x10 checkerboard in a 40x36 cell: three times larger (the most that fits),
    // centred, every source pixel a sharp 3x3 block.
    QImage board(10, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) board.setPixel(x, y, (x + y) % 2 ? qRgb(200, 30, 30) : qRgb(20, 20, 160));
    CPictureListBox list;
    list.setPictures(QList<QPixmap>{QPixmap::fromImage(board)}, QSize(40, 36));
    const QImage cell = list.cellImage(0).convertToFormat(QImage::Format_RGB32);
    const QPoint origin(5, 3);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            QCOMPARE(cell.pixel(origin + QPoint(x, y)), board.pixel(x / 3, y / 3));
    QCOMPARE(cell.pixelColor(origin - QPoint(1, 1)), list.palette().color(QPalette::Base));
}

void TestWidgets::bandedFramesDrawTheStylesPixels()
{
    // The editor draws these frames itself, a few rows at a time; the pixels must be the
    // style's own, on a translucent background too, at sizes above the thread threshold
    // (more than a hundred rows, lines longer than the engine's span buffer).
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
    if (QLibraryInfo::version().minorVersion() != 4) QSKIP("drawn by the style itself on this toolkit version");
    QGroupBox titled(QStringLiteral("Skills")), untitled;
    // Dark, so that every translucent line shows, and a pixel blended twice too.
    const QPalette dark(QColor(70, 80, 95));
    const auto compare = [&](const QString& what, const QSize& size, auto draw) {
        for (const bool smooth : {false, true})
        {
            QImage mine(size, QImage::Format_ARGB32_Premultiplied), theirs(size, QImage::Format_ARGB32_Premultiplied);
            mine.fill(QColor(120, 200, 90, 140));
            theirs.fill(QColor(120, 200, 90, 140));
            QPainter ours(&mine), style(&theirs);
            ours.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
            style.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
            ours.translate(3, 2);
            style.translate(3, 2);
            QVERIFY2(draw(&ours, &style), qPrintable(what + QStringLiteral(": not drawn")));
            ours.end();
            style.end();
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    if (mine.pixel(x, y) != theirs.pixel(x, y))
                        QFAIL(qPrintable(QStringLiteral("%1 %2x%3: pixel (%4, %5) is %6, the style's %7")
                                             .arg(what).arg(size.width()).arg(size.height()).arg(x).arg(y)
                                             .arg(mine.pixel(x, y), 8, 16).arg(theirs.pixel(x, y), 8, 16)));
        }
    };
    for (const QSize size : {QSize(40, 30), QSize(700, 37), QSize(300, 260)})
    {
        const QRect rect(QPoint(0, 0), size - QSize(4, 4));
        for (const auto position : {QStyleOptionToolBar::OnlyOne, QStyleOptionToolBar::Middle})
        {
            QStyleOptionToolBar bar;
            bar.rect = rect;
            bar.palette = dark;
            bar.state = QStyle::State_Horizontal | QStyle::State_Enabled;
            bar.toolBarArea = Qt::TopToolBarArea;
            bar.positionOfLine = position;
            compare(QStringLiteral("toolbar"), size, [&](QPainter* ours, QPainter* style) {
                fusion->drawControl(QStyle::CE_ToolBar, &bar, style, nullptr);
                return bandedframes::drawFusionControl(QStyle::CE_ToolBar, &bar, ours, nullptr, fusion.get());
            });
        }
        for (const auto position : {QStyleOptionHeader::Middle, QStyleOptionHeader::End})
            for (const Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical})
            {
                QStyleOptionHeader section;
                section.rect = orientation == Qt::Horizontal ? QRect(0, 0, rect.width(), 22) : QRect(0, 0, 40, rect.height());
                section.palette = dark;
                section.orientation = orientation;
                section.position = position;
                // Pressed under the pointer on the last one: the style draws a section the same way.
                section.state = QStyle::State_Enabled | (position == QStyleOptionHeader::End
                                                             ? QStyle::State_Sunken | QStyle::State_MouseOver
                                                             : QStyle::State_Raised);
                compare(QStringLiteral("header section"), size, [&](QPainter* ours, QPainter* style) {
                    fusion->drawControl(QStyle::CE_HeaderSection, &section, style, nullptr);
                    return bandedframes::drawFusionControl(QStyle::CE_HeaderSection, &section, ours, nullptr, fusion.get());
                });
            }
        for (const auto shape : {QTabBar::RoundedNorth, QTabBar::RoundedSouth})
        {
            QStyleOptionTabWidgetFrame frame;
            frame.rect = rect;
            frame.palette = dark;
            frame.shape = shape;
            compare(QStringLiteral("tab frame"), size, [&](QPainter* ours, QPainter* style) {
                fusion->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, style, nullptr);
                return bandedframes::drawFusionPrimitive(QStyle::PE_FrameTabWidget, &frame, ours, nullptr, fusion.get());
            });
        }
        for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal})
        {
            QStyleOptionSlider bar;
            bar.rect = orientation == Qt::Vertical ? QRect(0, 0, 15, rect.height()) : QRect(0, 0, rect.width(), 15);
            bar.palette = dark;
            bar.orientation = orientation;
            bar.state = QStyle::State_Enabled | (orientation == Qt::Horizontal ? QStyle::State_Horizontal : QStyle::State_None);
            bar.maximum = 1000;
            bar.pageStep = 150;
            bar.sliderPosition = bar.sliderValue = 420;
            bar.subControls = QStyle::SC_All;
            compare(QStringLiteral("scroll bar"), size, [&](QPainter* ours, QPainter* style) {
                fusion->drawComplexControl(QStyle::CC_ScrollBar, &bar, style, nullptr);
                return bandedframes::drawFusionComplexControl(QStyle::CC_ScrollBar, &bar, ours, nullptr, fusion.get());
            });
            // The handle under the pointer is left to the style, over the banded groove.
            bar.activeSubControls = QStyle::SC_ScrollBarSlider;
            bar.state |= QStyle::State_MouseOver;
            compare(QStringLiteral("scroll bar, handle under the pointer"), size, [&](QPainter* ours, QPainter* style) {
                fusion->drawComplexControl(QStyle::CC_ScrollBar, &bar, style, nullptr);
                return bandedframes::drawFusionComplexControl(QStyle::CC_ScrollBar, &bar, ours, nullptr, fusion.get());
            });
        }
        for (QGroupBox* box : {&titled, &untitled})
        {
            QStyleOptionFrame frame;
            frame.initFrom(box);
            frame.rect = rect;
            compare(QStringLiteral("group box"), size, [&](QPainter* ours, QPainter* style) {
                fusion->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, style, box);
                return bandedframes::drawFusionPrimitive(QStyle::PE_FrameGroupBox, &frame, ours, box, fusion.get());
            });
        }
    }
}

void TestWidgets::largerPicturesAreScaledIntoTheCell()
{
    // A picture larger than its cell is shrunk rather than cut: the whole pair of socks
    // stays in view in a narrow cell.
    CPictureListBox list;
    list.setKitPictures(CKitList::Socks, m_jerseys, QSize(32, 40));
    list.setKitColours({2, 19, 22, 13, 19, 6, 22});
    const QImage cell = list.cellImage(0);
    QCOMPARE(cell.size(), QSize(32, 40));
    bool leftSock = false, rightSock = false;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
        {
            const QColor c = cell.pixelColor(x, y);
            const bool yellowish = c.red() > 150 && c.green() > 110 && c.blue() < 80;  // socks colour 1 is Yellow
            if (yellowish && x < 14) leftSock = true;
            if (yellowish && x > 18) rightSock = true;
        }
    QVERIFY(leftSock);
    QVERIFY(rightSock);
}

void TestWidgets::colourButtonPaintsItsColour()
{
    CColourPicker picker;
    picker.resize(60, 24);
    picker.setColour(13);
    QCOMPARE(picker.colour(), 13);
    QCOMPARE(picker.buttonColour(), QColor(49, 86, 165));
    const QImage shown = picker.grab().toImage();
    QCOMPARE(shown.pixelColor(14, 12), QColor(49, 86, 165));

    // A record value that is no kit colour is shown black, and kept as it is.
    picker.setColour(27);
    QCOMPARE(picker.colour(), 27);
    QCOMPARE(picker.grab().toImage().pixelColor(14, 12), QColor(40, 40, 40));
}

void TestWidgets::notUsedIsReportedAndStoredAsBlack()
{
    CColourPicker picker;
    picker.setColour(6);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QSignalSpy chosen(&picker, &CColourPicker::colourChosen);

    QTest::mouseClick(&picker, Qt::LeftButton);
    auto* popup = static_cast<CColourPopup*>(picker.popup());
    QVERIFY(popup->isVisible());
    popup->entryButton(kitpalette::kNotUsedEntry)->click();

    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.first().at(0).toInt(), kitpalette::kNotUsedEntry);
    QCOMPARE(kitColourForPickerEntry(chosen.first().at(0).toInt()), 22);
    QCOMPARE(picker.colour(), 22);
    QCOMPARE(picker.buttonColour(), QColor(40, 40, 40));
    QVERIFY(!popup->isVisible());

    // An ordinary entry reports itself.
    picker.showPopup();
    popup->entryButton(9)->click();
    QCOMPARE(chosen.last().at(0).toInt(), 9);
    QCOMPARE(picker.colour(), 9);
    QCOMPARE(picker.buttonColour(), QColor(66, 197, 61));
}

void TestWidgets::popupListsTheNamedPalette()
{
    CColourPicker picker;
    picker.setColour(19);
    auto* popup = static_cast<CColourPopup*>(picker.popup());
    QCOMPARE(popup->entryButton(0)->text(), QStringLiteral("Pink"));
    QCOMPARE(popup->entryButton(15)->text(), QStringLiteral("Navy"));
    QCOMPARE(popup->entryButton(22)->text(), QStringLiteral("Black"));
    QCOMPARE(popup->entryButton(23)->text(), QStringLiteral("Not Used"));
    QVERIFY(!popup->entryButton(24));
    QVERIFY(popup->entryButton(19)->isChecked());
    QVERIFY(!popup->entryButton(20)->isChecked());
    // The swatch of an entry is its button colour.
    const QImage swatch = popup->entryButton(12)->icon().pixmap(30, 16).toImage();
    QCOMPARE(swatch.pixelColor(15, 8), QColor(57, 136, 197));
}

void TestWidgets::linkReportsOnlyRealClicks()
{
    CHyperlinkLabel link;
    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));
    QCOMPARE(link.pixmap().size(), QSize(128, 80));
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    QSignalSpy clicked(&link, &CHyperlinkLabel::clicked);

    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(clicked.count(), 1);
    QTest::mouseClick(&link, Qt::RightButton, {}, QPoint(40, 40));
    QCOMPARE(clicked.count(), 1);
    // Pressed on the picture, released off it: no click.
    QTest::mousePress(&link, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseRelease(&link, Qt::LeftButton, {}, QPoint(400, 40));
    QCOMPARE(clicked.count(), 1);
    QTest::keyClick(&link, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
}

void TestWidgets::listComboBoxIsSizedAsTheToolkitSizesIt()
{
    const QFont normal = QApplication::font();
    QFont small = normal, large = normal, bold = normal;
    small.setPointSizeF(7);
    large.setPointSizeF(15);
    bold.setBold(true);
    const QStringList words = {QStringLiteral("Goalkeeper"), QStringLiteral("Left Wing Back"), QStringLiteral("W"),
                               QStringLiteral("Centre Forward")};
    for (const QFont& font : {normal, small, large, bold})
    {
        // Words: measured once, as the toolkit measures them twice.
        QComboBox plainWords;
        CListComboBox listWords;
        for (QComboBox* box : {static_cast<QComboBox*>(&plainWords), static_cast<QComboBox*>(&listWords)})
        {
            box->setFont(font);
            box->addItems(words);
        }
        QCOMPARE(listWords.sizeHint(), plainWords.sizeHint());
        QCOMPARE(listWords.minimumSizeHint(), plainWords.minimumSizeHint());

        // Numbers: measured on the widest one, which is as wide as the widest of all of them.
        for (const int last : {9, 99, 999})
        {
            QComboBox plainNumbers;
            CListComboBox listNumbers;
            plainNumbers.setFont(font);
            listNumbers.setFont(font);
            for (int n = 1; n <= last; ++n) plainNumbers.addItem(QString::number(n));
            listNumbers.addNumbers(1, last);
            QCOMPARE(listNumbers.count(), last);
            QCOMPARE(listNumbers.itemText(last - 1), QString::number(last));
            QCOMPARE(listNumbers.sizeHint(), plainNumbers.sizeHint());
            QCOMPARE(listNumbers.minimumSizeHint(), plainNumbers.minimumSizeHint());
        }
    }

    // A list that lacks some numbers of its longest length is measured item by item.
    QComboBox plainPart;
    CListComboBox listPart;
    for (int n = 1; n <= 20; ++n) plainPart.addItem(QString::number(n));
    listPart.addNumbers(1, 20);
    QCOMPARE(listPart.sizeHint(), plainPart.sizeHint());

    // Another item added, or some taken away, once the box was measured (as a layout asks
    // for both sizes together): the sizes worked out are kept, as the toolkit keeps its
    // own, and the next size hint (a new font) is worked out item by item.
    for (const bool add : {true, false})
    {
        QComboBox plainChanged;
        CListComboBox listChanged;
        for (int n = 1; n <= 99; ++n) plainChanged.addItem(QString::number(n));
        listChanged.addNumbers(1, 99);
        QCOMPARE(listChanged.sizeHint(), plainChanged.sizeHint());
        QCOMPARE(listChanged.minimumSizeHint(), plainChanged.minimumSizeHint());
        for (QComboBox* box : {static_cast<QComboBox*>(&plainChanged), static_cast<QComboBox*>(&listChanged)})
        {
            if (add)
                box->addItem(QStringLiteral("Substitute"));
            else
                for (int i = 0; i < 89; ++i) box->removeItem(box->count() - 1);
        }
        QCOMPARE(listChanged.sizeHint(), plainChanged.sizeHint());
        QCOMPARE(listChanged.minimumSizeHint(), plainChanged.minimumSizeHint());
        // (The toolkit keeps its old minimum after a new font; only the size hint is
        // worked out again.)
        plainChanged.setFont(large);
        listChanged.setFont(large);
        QCOMPARE(listChanged.sizeHint(), plainChanged.sizeHint());
    }

    // A font set later is measured afresh.
    CListComboBox later;
    later.addNumbers(1, 99);
    const QSize before = later.sizeHint();
    later.setFont(large);
    QVERIFY(later.sizeHint().width() > before.width());
}

void TestWidgets::formLabelIsSizedAsTheToolkitSizesIt()
{
    QFont small = QApplication::font(), large = small, bold = small;
    small.setPointSizeF(7);
    large.setPointSizeF(15);
    bold.setBold(true);
    const QString texts[] = {QStringLiteral("Acceleration:"), QStringLiteral("No.:"), QStringLiteral("W"),
                             QStringLiteral("Facial Hair"), QStringLiteral("")};
    const Qt::Alignment alignments[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
                                        Qt::AlignHCenter | Qt::AlignBottom};
    for (const QFont& font : {QApplication::font(), small, large, bold})
        for (const QString& text : texts)
            for (const Qt::Alignment alignment : alignments)
            {
                QLabel plain(text);
                CFormLabel ours(text);
                for (QLabel* label : {&plain, static_cast<QLabel*>(&ours)})
                {
                    label->setTextFormat(Qt::PlainText);
                    label->setFont(font);
                    label->setAlignment(alignment);
                }
                QCOMPARE(ours.sizeHint(), plain.sizeHint());
                QCOMPARE(ours.minimumSizeHint(), plain.minimumSizeHint());
            }
    // Measured afresh when the text, margins or minimum change; anything but one line of
    // plain text is left to the toolkit.
    QLabel plain(QStringLiteral("Pos:"));
    CFormLabel ours(QStringLiteral("Pos:"));
    plain.setTextFormat(Qt::PlainText);
    QCOMPARE(ours.sizeHint(), plain.sizeHint());
    const auto change = [&](const std::function<void(QLabel&)>& how) {
        how(plain);
        how(ours);
        QCOMPARE(ours.sizeHint(), plain.sizeHint());
        QCOMPARE(ours.minimumSizeHint(), plain.minimumSizeHint());
    };
    change([](QLabel& l) { l.setText(QStringLiteral("Position of the player:")); });
    change([](QLabel& l) { l.setContentsMargins(3, 1, 5, 2); });
    change([](QLabel& l) { l.setMinimumWidth(250); });
    change([](QLabel& l) { l.setMargin(4); });
    change([](QLabel& l) { l.setIndent(6); });
    change([](QLabel& l) { l.setText(QStringLiteral("Two\nlines")); });
    change([](QLabel& l) {
        l.setText(QStringLiteral("Words enough to be wrapped onto more than one line of the label"));
        l.setWordWrap(true);
    });
}

void TestWidgets::appearanceModelsAreAllDifferent()
{
    const QList<QList<QPixmap>> sets{hairPictures(), facePictures(), facialHairPictures()};
    QCOMPARE(sets[0].size(), 14);
    QCOMPARE(sets[1].size(), 9);
    QCOMPARE(sets[2].size(), 7);
    for (const auto& set : sets)
        for (int i = 0; i < set.size(); ++i)
        {
            QCOMPARE(set[i].size(), QSize(40, 40));
            // Every model must be told apart from every other at a glance, not only by a
            // stray pixel.
            for (int j = i + 1; j < set.size(); ++j)
                QVERIFY2(differingPixels(set[i].toImage(), set[j].toImage()) >= 12,
                         qPrintable(QStringLiteral("models %1 and %2 look alike").arg(i).arg(j)));
        }
    // Outside the range: a blank picture of the same size.
    const QImage blank = hairPicture(14).toImage();
    QCOMPARE(blank.size(), QSize(40, 40));
    QCOMPARE(qAlpha(blank.pixel(20, 20)), 0);
    // Black is see-through in the pictures the lists show; ours have real transparency
    // at the corners so the list background shows.
    QCOMPARE(qAlpha(facePicture(0).toImage().pixel(0, 0)), 0);
    // Raw pictures come back as they went in; cut short or of another kind, they are refused.
    const QImage face = facePicture(3).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QByteArray raw = rawpicture::encode(face);
    QCOMPARE(rawpicture::decode(raw), face);
    // A view shows the bytes where they lie, without a copy.
    QCOMPARE(rawpicture::view(raw), face);
    QCOMPARE(rawpicture::view(raw).constBits(), reinterpret_cast<const uchar*>(raw.constData()) + rawpicture::kHeaderSize);
    QVERIFY(rawpicture::decode(raw.left(raw.size() - 1)).isNull());
    QVERIFY(rawpicture::decode(QByteArray("\x89PNG\r\n\x1a\n") + raw.mid(8)).isNull());
    QVERIFY(rawpicture::decode(QByteArray()).isNull());
    // The page shows the copies drawn at build time: the same pictures, in the same order.
    const CAppearanceKind kinds[] = {CAppearanceKind::Hair, CAppearanceKind::Face, CAppearanceKind::FacialHair};
    for (int k = 0; k < 3; ++k)
    {
        for (int m = 0; m < sets[k].size(); ++m)
            QVERIFY2(differingPixels(storedAppearancePicture(kinds[k], m).toImage(), sets[k][m].toImage()) == 0,
                     qPrintable(QStringLiteral("kind %1 model %2 differs from its stored copy").arg(k).arg(m)));
        QCOMPARE(qAlpha(storedAppearancePicture(kinds[k], int(sets[k].size())).toImage().pixel(20, 20)), 0);
    }
}

void TestWidgets::screenshots()
{
    std::unique_ptr<QLabel> hair(strip(hairPictures(), QStringLiteral("Hair: 14 models"), 14));
    saveScreenshot(hair.get(), QStringLiteral("widgets-hair-models"));
    std::unique_ptr<QLabel> faces(strip(facePictures(), QStringLiteral("Face: 9 models")));
    saveScreenshot(faces.get(), QStringLiteral("widgets-face-models"));
    std::unique_ptr<QLabel> beards(strip(facialHairPictures(), QStringLiteral("Facial Hair: 7 models")));
    saveScreenshot(beards.get(), QStringLiteral("widgets-facial-hair-models"));
    // The same three sets three times larger, pixel for pixel, to judge the artwork by.
    {
        const QPixmap sets[] = {hair->pixmap(), faces->pixmap(), beards->pixmap()};
        int width = 0, height = 0;
        for (const QPixmap& s : sets) width = std::max(width, s.width()), height += s.height();
        QPixmap all(width, height);
        all.fill(Qt::white);
        QPainter p(&all);
        int y = 0;
        for (const QPixmap& s : sets) p.drawPixmap(0, y, s), y += s.height();
        p.end();
        QLabel zoomed;
        zoomed.setPixmap(all.scaled(all.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        zoomed.resize(zoomed.pixmap().size());
        saveScreenshot(&zoomed, QStringLiteral("widgets-appearance-zoomed"));
    }

    CDatabase db;
    QVERIFY(!CGameFiles(m_fixture->gameFolder()).loadAll(db));
    // A team in strong colours shows the recolouring best.
    const CTeam* team = nullptr;
    db.forEachTeam([&](const CTeam& t) {
        if (!team && t.homeJerseyColour1 < 19 && t.homeJerseyColour2 >= 19 && t.homeShortsColour1 != t.homeJerseyColour1)
            team = &t;
    });
    QVERIFY(team);
    const CKitColours kit = homeKit(*team);

    // The three kit lists side by side, as the team page lays them out, with the player
    // page's lists and a colour button for scale.
    QWidget lists;
    auto* row = new QHBoxLayout(&lists);
    auto* jersey = new CPictureListBox(&lists);
    jersey->setKitPictures(CKitList::Jersey, m_jerseys);
    jersey->setKitColours(kit);
    jersey->setValue(team->homeJerseyStyle);
    auto* shorts = new CPictureListBox(&lists);
    shorts->setKitPictures(CKitList::Shorts, m_jerseys);
    shorts->setKitColours(kit);
    shorts->setValue(team->homeShortsStyle);
    auto* socks = new CPictureListBox(&lists);
    socks->setKitPictures(CKitList::Socks, m_jerseys);
    socks->setKitColours(kit);
    socks->setValue(team->homeSocksStyle);
    row->addWidget(jersey, 0, Qt::AlignTop);
    row->addWidget(shorts, 0, Qt::AlignTop);
    row->addWidget(socks, 0, Qt::AlignTop);
    for (auto pictures : {hairPictures(), facePictures(), facialHairPictures()})
    {
        auto* look = new CPictureListBox(&lists);
        look->setPictures(pictures, QSize(40, 40));
        look->setValue(2);
        row->addWidget(look, 0, Qt::AlignTop);
    }
    auto* colour = new CColourPicker(&lists);
    colour->setColour(kit[0]);
    row->addWidget(colour, 0, Qt::AlignTop);
    row->addWidget(new CHyperlinkLabel(&lists), 0, Qt::AlignTop);
    lists.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lists));
    saveScreenshot(&lists, QStringLiteral("widgets-picture-lists"));

    // Every jersey model in the team's home colours, as the list would show each one.
    QList<QPixmap> jerseys;
    for (int m = 0; m < jersey->count(); ++m) jerseys << QPixmap::fromImage(jersey->cellImage(m));
    std::unique_ptr<QLabel> all(strip(jerseys, QStringLiteral("Jerseys in the home colours of %1").arg(QString::fromLatin1(team->longName.c_str())), 16));
    saveScreenshot(all.get(), QStringLiteral("widgets-jerseys-in-team-colours"));
    QList<QPixmap> lower;
    for (int m = 0; m < shorts->count(); ++m) lower << QPixmap::fromImage(shorts->cellImage(m));
    for (int m = 0; m < socks->count(); ++m) lower << QPixmap::fromImage(socks->cellImage(m));
    std::unique_ptr<QLabel> lowerStrip(strip(lower, QStringLiteral("Shorts models 0..4, then socks models 0..3"), 9));
    saveScreenshot(lowerStrip.get(), QStringLiteral("widgets-shorts-socks-in-team-colours"));

    CColourPicker picker;
    picker.setColour(13);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.showPopup();
    QVERIFY(QTest::qWaitForWindowExposed(picker.popup()));
    saveScreenshot(picker.popup(), QStringLiteral("widgets-colour-dropdown"));
    picker.popup()->hide();
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    initObrixResources();
    TestWidgets test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_widgets.moc"
