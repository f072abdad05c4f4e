#pragma once

// The painters behind the skin manifest. Each draws one kind of picture into
// a transparent image of the manifest's size for one skin set; `variant`
// selects the state or kind where one painter serves several names.

#include <QPainter>
#include <QSize>

namespace MkAppData
{

struct ModelSeed;

enum class SkinSet
{
    Normal,  // Skin/
    Large,   // Skin/4K/
};

struct SkinArtContext
{
    SkinSet set = SkinSet::Normal;
    QSize size;
    double k = 1.0;  // 1 for Skin/, 2 for Skin/4K/: design pixels to picture pixels
    int variant = 0;
};

// Button-like states shared by the painters that draw several of them.
enum SkinState
{
    kStateNormal = 0,
    kStateHover = 1,
    kStatePressed = 2,
    kStateDisabled = 3,
};

namespace SkinArt
{

// Window and dialog chrome.
void MainFrame(QPainter& p, const SkinArtContext& c);
void SmallDialogFrame(QPainter& p, const SkinArtContext& c);
void CardDialogFrame(QPainter& p, const SkinArtContext& c);
void MainInterior(QPainter& p, const SkinArtContext& c);
void DialogInterior(QPainter& p, const SkinArtContext& c);
void AppIcon(QPainter& p, const SkinArtContext& c);
void Logo(QPainter& p, const SkinArtContext& c);
void AboutBanner(QPainter& p, const SkinArtContext& c);
void TitleClose(QPainter& p, const SkinArtContext& c);
void TitleMinimize(QPainter& p, const SkinArtContext& c);
void TitleMaximize(QPainter& p, const SkinArtContext& c);
void TitleMenu(QPainter& p, const SkinArtContext& c);
void TitleSwitch(QPainter& p, const SkinArtContext& c);
void UnitFeet(QPainter& p, const SkinArtContext& c);
void UnitMetre(QPainter& p, const SkinArtContext& c);
void CardClose(QPainter& p, const SkinArtContext& c);
void PushButton(QPainter& p, const SkinArtContext& c);
void ToolCardIpc(QPainter& p, const SkinArtContext& c);
void ToolCardFisheye(QPainter& p, const SkinArtContext& c);
void HandCursor(QPainter& p, const SkinArtContext& c);
void ListSettings(QPainter& p, const SkinArtContext& c);
void ListLogin(QPainter& p, const SkinArtContext& c);

// Controls.
void ComboStrip(QPainter& p, const SkinArtContext& c);
void MenuCheck(QPainter& p, const SkinArtContext& c);
void MenuArrow(QPainter& p, const SkinArtContext& c);
void SliderStrip(QPainter& p, const SkinArtContext& c);
void SpinFrame(QPainter& p, const SkinArtContext& c);
void SpinUp(QPainter& p, const SkinArtContext& c);
void SpinDown(QPainter& p, const SkinArtContext& c);
void RadioMark(QPainter& p, const SkinArtContext& c);    // variant: 0 off, 1 on, 2 on hovered
void ListRadioMark(QPainter& p, const SkinArtContext& c);
void MarkerHelp(QPainter& p, const SkinArtContext& c);
void Search(QPainter& p, const SkinArtContext& c);
void PagePrevious(QPainter& p, const SkinArtContext& c);
void PageNext(QPainter& p, const SkinArtContext& c);
void DragVertical(QPainter& p, const SkinArtContext& c);
void DragHorizontal(QPainter& p, const SkinArtContext& c);
void MountCeilingIcon(QPainter& p, const SkinArtContext& c);
void MountWallIcon(QPainter& p, const SkinArtContext& c);

// Scene pictures.
void SidePerson(QPainter& p, const SkinArtContext& c);
void SideCamera(QPainter& p, const SkinArtContext& c);
void TopCamera(QPainter& p, const SkinArtContext& c);
void TopPerson(QPainter& p, const SkinArtContext& c);
void TopAngleArc(QPainter& p, const SkinArtContext& c);
void SideFisheyeCeiling(QPainter& p, const SkinArtContext& c);
void SideFisheyeWall(QPainter& p, const SkinArtContext& c);
void Scene3DFisheyeCeiling(QPainter& p, const SkinArtContext& c);
void Scene3DFisheyeWall(QPainter& p, const SkinArtContext& c);
void Scene3DPerson(QPainter& p, const SkinArtContext& c);
void Marker3D(QPainter& p, const SkinArtContext& c);  // variant: 0 H, 1 D, 2 angle, 3 W, 4 second H

// Pixel-density pictures: variant is the density in pixels per metre; 0
// draws the subject at full resolution.
void DensityPortrait(QPainter& p, const SkinArtContext& c);
void DensityExample(QPainter& p, const SkinArtContext& c);

// The IPC 3D view's picture of one camera model.
void ModelScene(QPainter& p, const SkinArtContext& c, const ModelSeed& model);

}  // namespace SkinArt
}  // namespace MkAppData
