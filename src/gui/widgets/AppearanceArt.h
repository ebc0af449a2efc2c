#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>

// Our own pictures of the players' looks for the player page's picture lists, drawn in
// code so that they scale with nothing to load: one per model, in the game's model order,
// 40 x 40 on a transparent background. They show shape only; the hair and skin colours
// are chosen in their own lists, so the pictures use one neutral colour each unless the
// caller passes others.

namespace appearance
{
constexpr int kHairModels = 14;
constexpr int kFaceModels = 9;
constexpr int kFacialHairModels = 7;
constexpr int kPictureSize = 40;

QColor defaultSkin();
QColor defaultHair();
}  // namespace appearance

// A model outside the range gives a blank (transparent) picture of the same size.
QPixmap hairPicture(int model, const QColor& hair = appearance::defaultHair(),
                    const QColor& skin = appearance::defaultSkin());
QPixmap facePicture(int model, const QColor& skin = appearance::defaultSkin());
QPixmap facialHairPicture(int model, const QColor& hair = appearance::defaultHair(),
                          const QColor& skin = appearance::defaultSkin());

// The same pictures as drawn at build time into the program's resources, which is what
// the player page shows: reading them is far quicker than drawing them.
enum class CAppearanceKind
{
    Hair,
    Face,
    FacialHair,
};
QPixmap storedAppearancePicture(CAppearanceKind kind, int model);

// Every model of a kind in order, ready for CPictureListBox::setPictures.
QList<QPixmap> hairPictures();
QList<QPixmap> facePictures();
QList<QPixmap> facialHairPictures();
