#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>

#include <filesystem>
#include <functional>

#include "kits/KitPicture.h"

// Which kit pictures a list shows, and so which of the kit's colours recolour them.
enum class CKitList
{
    Jersey,  // "MJFR" 1..64, all seven kit colours
    Shorts,  // "SHMD" 1..5, shorts colours 1 and 2
    Socks,   // "SKMD" 1..4, socks colours 1 and 2
};

// A list box that shows one picture per item and exactly one item at a time: the item at
// the top is the value. Used for the players' looks (pictures made by the program) and
// for the kit models (bitmaps in the jerseys folder drawn in a team's colours).
//
// Every step the user takes - a key, a wheel notch, a click on the scroll bar's arrows or
// track - moves the value by exactly one item, clamped to the list. Such steps are
// reported by stepped() as well as valueChanged(); dragging the scroll box and setValue()
// report only valueChanged(), because the team page writes a kit model at once only for
// steps.
class CPictureListBox : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CPictureListBox(QWidget* parent = nullptr);

    // Pictures of the program's own, item k showing pictures[k]. A picture larger than the
    // cell is scaled down to fit; transparent parts show the list's background.
    void setPictures(const QList<QPixmap>& pictures, QSize cell, int firstNumber = 0);
    // The same, each picture made by make(k) when it is first drawn: the list shows one
    // item at a time, so a window with several long lists opens without drawing them all.
    void setPictures(int count, std::function<QPixmap(int)> make, QSize cell, int firstNumber = 0);

    // The kit pictures "<prefix><number>.bmp" of the jerseys folder, numbers 1..count; the
    // item with index k is model k and carries number k + 1. The pictures are drawn
    // without kit colours (the files' own) until setKitColours.
    void setKitPictures(CKitList kind, const std::filesystem::path& jerseysFolder, QSize cell = QSize());
    // Redraws the kit pictures in a kit's colours (jersey 1..3, shorts 1..2, socks 1..2);
    // the list takes the slots its kind uses and leaves the others as the files have them.
    void setKitColours(const CKitColours& kit);
    // Forgets the kit pictures drawn so far, after the files in the folder were rewritten.
    void reloadPictures();

    int count() const { return m_count; }
    int value() const;
    // Clamped to 0..count - 1; nothing happens on an empty list.
    void setValue(int value);
    // The number an item carries: the first number plus its index.
    int itemNumber(int index) const { return m_firstNumber + index; }
    QSize cellSize() const { return m_cell; }

    // The cell of an item as the list draws it, on the list's background.
    QImage cellImage(int index) const;
    // The kit picture of an item in the current colours, unscaled; a null image when the
    // file cannot be drawn (the cell then shows the fallback text) or for a non-kit list.
    QImage kitImage(int index) const;

    static QString kitPrefix(CKitList kind);
    static int kitCount(CKitList kind);
    // The cells the team page uses: 64 x 64, socks too.
    static QSize kitCell(CKitList kind);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void valueChanged(int value);
    // The user moved the value by a line or a page (or to an end) with the keyboard, the
    // wheel or the scroll bar's buttons or track.
    void stepped(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class CSource
    {
        None,
        Pixmaps,
        Kit
    };

    void configure(int count, QSize cell, int firstNumber);
    void drawCell(QPainter& painter, const QRect& cell, int index) const;
    CKitSlotColours slotsForKind() const;
    std::filesystem::path kitFile(int index) const;
    void onAction(int action);

    CSource m_source = CSource::None;
    int m_count = 0;
    int m_firstNumber = 0;
    QSize m_cell{40, 40};
    // Made on first use when there is a maker; a null picture is one not made yet.
    mutable QList<QPixmap> m_pictures;
    std::function<QPixmap(int)> m_makePicture;

    CKitList m_kind = CKitList::Jersey;
    std::filesystem::path m_jerseysFolder;
    CKitColours m_kit{};
    bool m_hasKit = false;
    // Drawn kit pictures by file and colours; a null image remembers a file that cannot
    // be drawn, so a broken file is not read again on every paint.
    mutable QHash<QString, QImage> m_cache;

    bool m_stepPending = false;
    int m_wheelRemainder = 0;
};
